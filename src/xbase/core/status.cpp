#include "xbase/core/status.h"

namespace xbase {

std::string Status::toString() const
{
    const char* name = "OK";
    switch (code_) {
    case Code::Ok: return name;
    case Code::NotFound: name = "Not found"; break;
    case Code::Corruption: name = "Corruption"; break;
    case Code::IoError: name = "I/O error"; break;
    case Code::InvalidArgument: name = "Invalid argument"; break;
    case Code::Locked: name = "Locked"; break;
    case Code::NotSupported: name = "Not supported"; break;
    }
    return std::string(name) + ": " + message_;
}

} // namespace xbase
