#include "xbase/expr/scratch.h"

#include <deque>

namespace xbase::expr {

namespace {

struct ScratchStack {
    std::deque<std::string> buffers; // a deque keeps earlier buffers in place as it grows
    std::size_t used = 0;
};

thread_local ScratchStack stack;

std::string& acquire()
{
    if (stack.used == stack.buffers.size())
        stack.buffers.emplace_back();
    std::string& s = stack.buffers[stack.used++];
    s.clear();
    return s;
}

} // namespace

ScratchString::ScratchString() : text_(acquire()) {}

ScratchString::~ScratchString()
{
    --stack.used;
}

} // namespace xbase::expr
