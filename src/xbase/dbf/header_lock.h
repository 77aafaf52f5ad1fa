#pragma once

#include "xbase/core/file.h"
#include "xbase/core/status.h"

namespace xbase::dbf {

// Serialises header updates (appends, memo allocation) between processes
// that share a file. Held only for the few writes of one update, so a short
// wait is acceptable here, unlike record locks, which are refused at once.
// Does nothing unless `shared` is true, since an exclusive open has no one
// to wait for.
class HeaderLock {
public:
    HeaderLock(File& file, bool shared) : file_(file), shared_(shared) {}
    ~HeaderLock();
    HeaderLock(const HeaderLock&) = delete;
    HeaderLock& operator=(const HeaderLock&) = delete;

    Status acquire();

private:
    File& file_;
    bool shared_;
    bool held_ = false;
};

} // namespace xbase::dbf
