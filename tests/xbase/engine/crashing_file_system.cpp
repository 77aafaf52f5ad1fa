#include "crashing_file_system.h"

namespace engine_test {

using xbase::File;
using xbase::Status;

namespace {

// One file of the crashing file system: the real file until the crash.
class CrashingFile final : public File {
public:
    CrashingFile(std::unique_ptr<File> real, CrashingFileSystem& fs) : real_(std::move(real)), fs_(fs) {}

    Status readAt(std::uint64_t offset, void* buf, std::size_t n, std::size_t* got) override
    {
        return fs_.crashed() ? fs_.dead() : real_->readAt(offset, buf, n, got);
    }
    Status writeAt(std::uint64_t offset, const void* buf, std::size_t n) override
    {
        return fs_.step() ? real_->writeAt(offset, buf, n) : fs_.dead();
    }
    Status sync() override { return fs_.step() ? real_->sync() : fs_.dead(); }
    Status size(std::uint64_t* out) override { return fs_.crashed() ? fs_.dead() : real_->size(out); }
    Status truncate(std::uint64_t length) override { return fs_.step() ? real_->truncate(length) : fs_.dead(); }
    Status lockRange(std::uint64_t offset, std::uint64_t length) override { return real_->lockRange(offset, length); }
    Status unlockRange(std::uint64_t offset, std::uint64_t length) override
    {
        return real_->unlockRange(offset, length);
    }

private:
    std::unique_ptr<File> real_;
    CrashingFileSystem& fs_;
};

} // namespace

CrashingFileSystem::CrashingFileSystem(long stepsBeforeCrash) : limit_(stepsBeforeCrash)
{
    xbase::setFileSystem(this);
}

CrashingFileSystem::~CrashingFileSystem() { xbase::setFileSystem(nullptr); }

bool CrashingFileSystem::step()
{
    if (!crashed_ && limit_ != kNever && steps_ >= limit_)
        crashed_ = true;
    if (crashed_)
        return false;
    ++steps_;
    return true;
}

Status CrashingFileSystem::dead() const { return Status::ioError("the machine stopped here (simulated crash)"); }

Status CrashingFileSystem::wrap(Status s, std::unique_ptr<File>* out)
{
    if (s)
        *out = std::make_unique<CrashingFile>(std::move(*out), *this);
    return s;
}

Status CrashingFileSystem::openFile(const std::string& path, xbase::OpenMode mode, std::unique_ptr<File>* out)
{
    if (crashed_)
        return dead();
    return wrap(xbase::systemFileSystem().openFile(path, mode, out), out);
}

Status CrashingFileSystem::createFile(const std::string& path, std::unique_ptr<File>* out)
{
    return step() ? wrap(xbase::systemFileSystem().createFile(path, out), out) : dead();
}

Status CrashingFileSystem::removeFile(const std::string& path)
{
    return step() ? xbase::systemFileSystem().removeFile(path) : dead();
}

Status CrashingFileSystem::renameFile(const std::string& from, const std::string& to)
{
    return step() ? xbase::systemFileSystem().renameFile(from, to) : dead();
}

Status CrashingFileSystem::syncParentDirectory(const std::string& path)
{
    return step() ? xbase::systemFileSystem().syncParentDirectory(path) : dead();
}

} // namespace engine_test
