#include "xbase/core/file.h"

namespace xbase {

namespace {

FileSystem* replacement = nullptr;

FileSystem& current() { return replacement ? *replacement : systemFileSystem(); }

} // namespace

void setFileSystem(FileSystem* fs) { replacement = fs; }

Status openFile(const std::string& path, OpenMode mode, std::unique_ptr<File>* out)
{
    return current().openFile(path, mode, out);
}

Status createFile(const std::string& path, std::unique_ptr<File>* out) { return current().createFile(path, out); }
Status removeFile(const std::string& path) { return current().removeFile(path); }
Status renameFile(const std::string& from, const std::string& to) { return current().renameFile(from, to); }
Status syncParentDirectory(const std::string& path) { return current().syncParentDirectory(path); }

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
