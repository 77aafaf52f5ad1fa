#pragma once

#include "xbase/core/status.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace xbase {

// How a table file is opened. Exclusive opens take a whole-file lock that
// other processes' opens of any kind are refused by; shared opens coexist
// with each other; read-only opens never write.
enum class OpenMode { Exclusive, Shared, ReadOnly };

// Random-access file. The only place where the engine touches the operating
// system, so that tests can hand in a file that fails on purpose and the
// engine builds on other systems by replacing one source file.
class File {
public:
    virtual ~File() = default;

    // Reads up to n bytes at offset; *got receives how many were read (short
    // only at the end of the file).
    virtual Status readAt(std::uint64_t offset, void* buf, std::size_t n, std::size_t* got) = 0;
    virtual Status writeAt(std::uint64_t offset, const void* buf, std::size_t n) = 0;
    // Pushes written bytes to the disk; returns when they are durable.
    virtual Status sync() = 0;
    virtual Status size(std::uint64_t* out) = 0;
    virtual Status truncate(std::uint64_t length) = 0;
    // Advisory byte-range lock for shared tables (record locks); a lock held
    // by another process is refused at once, never waited for.
    virtual Status lockRange(std::uint64_t offset, std::uint64_t length) = 0;
    virtual Status unlockRange(std::uint64_t offset, std::uint64_t length) = 0;

    // Reads exactly n bytes or fails with Corruption naming what was short.
    Status readExact(std::uint64_t offset, void* buf, std::size_t n, const char* what);
};

// Where the engine's files live. Every open, create, remove, rename and
// folder sync goes through the one in use: the operating system's, or in
// tests one that stops writing at a chosen moment, as a machine that dies
// there would, to prove that every moment leaves files we can recover.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual Status openFile(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) = 0;
    virtual Status createFile(const std::string& path, std::unique_ptr<File>* out) = 0;
    virtual Status removeFile(const std::string& path) = 0;
    virtual Status renameFile(const std::string& from, const std::string& to) = 0;
    virtual Status syncParentDirectory(const std::string& path) = 0;
};

// The operating system's file system.
FileSystem& systemFileSystem();
// Puts `fs` in place of the operating system's for the whole engine, until
// called again with nullptr. Not for use while another thread opens files.
void setFileSystem(FileSystem* fs);

// Opens an existing file. Exclusive mode fails with Locked when another
// process holds the file open in any mode through the engine.
Status openFile(const std::string& path, OpenMode mode, std::unique_ptr<File>* out);
// Creates (or truncates) a file and opens it exclusively.
Status createFile(const std::string& path, std::unique_ptr<File>* out);

bool fileExists(const std::string& path);
Status removeFile(const std::string& path);
// Replaces `to` with `from` in one step, so a crash leaves one of the two.
Status renameFile(const std::string& from, const std::string& to);
// Makes a completed rename or create durable.
Status syncParentDirectory(const std::string& path);

} // namespace xbase
