#include "xbase/core/file.h"

namespace xbase {

Status File::readExact(std::uint64_t offset, void* buf, std::size_t n, const char* what)
{
    std::size_t got = 0;
    Status s = readAt(offset, buf, n, &got);
    if (!s)
        return s;
    if (got != n)
        return Status::corruption(std::string("file too short for ") + what);
    return Status::ok();
}

} // namespace xbase
