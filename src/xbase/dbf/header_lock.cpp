#include "xbase/dbf/header_lock.h"

#include <chrono>
#include <thread>

namespace xbase::dbf {
namespace {

// Byte 0 of the file: record locks start at the header length, so they
// never overlap it.
constexpr std::uint64_t kHeaderLockOffset = 0;
constexpr int kAttempts = 200;
constexpr auto kPause = std::chrono::milliseconds(10);

} // namespace

HeaderLock::~HeaderLock()
{
    if (held_)
        file_.unlockRange(kHeaderLockOffset, 1);
}

Status HeaderLock::acquire()
{
    if (!shared_)
        return Status::ok();
    Status s;
    for (int i = 0; i < kAttempts; ++i) {
        s = file_.lockRange(kHeaderLockOffset, 1);
        if (s) {
            held_ = true;
            return s;
        }
        if (s.code() != Status::Code::Locked)
            return s;
        std::this_thread::sleep_for(kPause);
    }
    return s;
}

} // namespace xbase::dbf
