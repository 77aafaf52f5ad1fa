#pragma once

#include <string>

namespace xbase::expr {

// A text buffer borrowed for the length of one evaluation step. Buffers come
// from a per-thread stack and keep their capacity, so that evaluating record
// after record allocates nothing once the buffers have grown, and one
// compiled expression may be evaluated on several threads at once.
class ScratchString {
public:
    ScratchString();
    ~ScratchString();
    ScratchString(const ScratchString&) = delete;
    ScratchString& operator=(const ScratchString&) = delete;

    std::string& get() { return text_; }

private:
    std::string& text_;
};

} // namespace xbase::expr
