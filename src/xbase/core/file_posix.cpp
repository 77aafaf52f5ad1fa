// POSIX implementation of the engine's file access. Whole-file locks use
// open file description locks (F_OFD_SETLK) so that two opens of the same
// file inside one process exclude each other exactly as two processes do.

#include "xbase/core/file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xbase {
namespace {

Status errnoStatus(const std::string& what)
{
    const int err = errno;
    if (err == ENOENT)
        return Status::notFound(what + ": " + std::strerror(err));
    return Status::ioError(what + ": " + std::strerror(err));
}

// The whole-file lock lives far beyond any real file offset so that it never
// collides with record locks, which use the record's own offset.
constexpr off_t kFileLockOffset = 0x7FFFFFFF00000000LL;

bool setLock(int fd, short type, off_t start, off_t len)
{
    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = start;
    fl.l_len = len;
    return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override { ::close(fd_); }

    Status readAt(std::uint64_t offset, void* buf, std::size_t n, std::size_t* got) override
    {
        std::size_t done = 0;
        auto* p = static_cast<char*>(buf);
        while (done < n) {
            const ssize_t r = ::pread(fd_, p + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                return errnoStatus("read " + path_);
            }
            if (r == 0)
                break;
            done += static_cast<std::size_t>(r);
        }
        *got = done;
        return Status::ok();
    }

    Status writeAt(std::uint64_t offset, const void* buf, std::size_t n) override
    {
        std::size_t done = 0;
        const auto* p = static_cast<const char*>(buf);
        while (done < n) {
            const ssize_t r = ::pwrite(fd_, p + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                return errnoStatus("write " + path_);
            }
            done += static_cast<std::size_t>(r);
        }
        return Status::ok();
    }

    Status sync() override
    {
        if (::fdatasync(fd_) != 0)
            return errnoStatus("sync " + path_);
        return Status::ok();
    }

    Status size(std::uint64_t* out) override
    {
        struct stat st;
        if (::fstat(fd_, &st) != 0)
            return errnoStatus("stat " + path_);
        *out = static_cast<std::uint64_t>(st.st_size);
        return Status::ok();
    }

    Status truncate(std::uint64_t length) override
    {
        if (::ftruncate(fd_, static_cast<off_t>(length)) != 0)
            return errnoStatus("truncate " + path_);
        return Status::ok();
    }

    Status lockRange(std::uint64_t offset, std::uint64_t length) override
    {
        if (!setLock(fd_, F_WRLCK, static_cast<off_t>(offset), static_cast<off_t>(length)))
            return Status::locked(path_ + " is locked by another user");
        return Status::ok();
    }

    Status unlockRange(std::uint64_t offset, std::uint64_t length) override
    {
        setLock(fd_, F_UNLCK, static_cast<off_t>(offset), static_cast<off_t>(length));
        return Status::ok();
    }

    Status takeOpenLock(OpenMode mode)
    {
        const short type = mode == OpenMode::Exclusive ? F_WRLCK : F_RDLCK;
        if (!setLock(fd_, type, kFileLockOffset, 1))
            return Status::locked(path_ + " is in use by another program or user");
        return Status::ok();
    }

private:
    int fd_;
    std::string path_;
};

Status openWithFlags(const std::string& path, int flags, OpenMode mode, std::unique_ptr<File>* out)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        return errnoStatus("open " + path);
    auto file = std::make_unique<PosixFile>(fd, path);
    Status s = file->takeOpenLock(mode);
    if (!s)
        return s;
    *out = std::move(file);
    return Status::ok();
}

class PosixFileSystem final : public FileSystem {
public:
    Status openFile(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) override
    {
        const int flags = mode == OpenMode::ReadOnly ? O_RDONLY : O_RDWR;
        return openWithFlags(path, flags, mode, out);
    }

    Status createFile(const std::string& path, std::unique_ptr<File>* out) override
    {
        // Lock before truncating so that a file another process holds open is
        // never emptied under it.
        std::unique_ptr<File> file;
        Status s = openWithFlags(path, O_RDWR | O_CREAT, OpenMode::Exclusive, &file);
        if (!s)
            return s;
        s = file->truncate(0);
        if (!s)
            return s;
        *out = std::move(file);
        return Status::ok();
    }

    Status removeFile(const std::string& path) override
    {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            return errnoStatus("remove " + path);
        return Status::ok();
    }

    Status renameFile(const std::string& from, const std::string& to) override
    {
        if (::rename(from.c_str(), to.c_str()) != 0)
            return errnoStatus("rename " + from);
        return Status::ok();
    }

    Status syncParentDirectory(const std::string& path) override
    {
        const auto slash = path.find_last_of('/');
        const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
        const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return errnoStatus("open " + dir);
        const int r = ::fsync(fd);
        ::close(fd);
        if (r != 0)
            return errnoStatus("sync " + dir);
        return Status::ok();
    }
};

} // namespace

FileSystem& systemFileSystem()
{
    static PosixFileSystem system;
    return system;
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace xbase
