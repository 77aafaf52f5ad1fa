#pragma once

#include "xbase/core/file.h"

namespace engine_test {

// The engine's files as a machine that dies at a chosen moment would leave
// them. Every write, sync, truncation, creation, removal, rename and folder
// sync counts as one step; the first `stepsBeforeCrash` happen, and from
// then on nothing reaches the disk and every call fails, reads included, as
// nothing runs on a dead machine. Writes are whole or absent: the test is
// about the order of writes, not torn sectors.
//
// While it lives it replaces the operating system's file system for the
// whole engine; its destructor puts that back.
class CrashingFileSystem final : public xbase::FileSystem {
public:
    static constexpr long kNever = -1;
    explicit CrashingFileSystem(long stepsBeforeCrash = kNever);
    ~CrashingFileSystem() override;
    CrashingFileSystem(const CrashingFileSystem&) = delete;
    CrashingFileSystem& operator=(const CrashingFileSystem&) = delete;

    long steps() const { return steps_; } // taken so far, the refused one not counted
    bool crashed() const { return crashed_; }

    // Whether the next step may happen; counts it when it may.
    bool step();
    xbase::Status dead() const;

    xbase::Status openFile(const std::string& path, xbase::OpenMode mode, std::unique_ptr<xbase::File>* out) override;
    xbase::Status createFile(const std::string& path, std::unique_ptr<xbase::File>* out) override;
    xbase::Status removeFile(const std::string& path) override;
    xbase::Status renameFile(const std::string& from, const std::string& to) override;
    xbase::Status syncParentDirectory(const std::string& path) override;

private:
    xbase::Status wrap(xbase::Status s, std::unique_ptr<xbase::File>* out);

    long limit_;
    long steps_ = 0;
    bool crashed_ = false;
};

} // namespace engine_test
