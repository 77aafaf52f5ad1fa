#include "support/temp_dir.h"
#include "xbase/core/file.h"

#include <gtest/gtest.h>

using xbase::File;
using xbase::OpenMode;

namespace {

std::unique_ptr<File> makeFile(const std::string& path, const std::string& content)
{
    std::unique_ptr<File> f;
    EXPECT_TRUE(xbase::createFile(path, &f).isOk());
    EXPECT_TRUE(f->writeAt(0, content.data(), content.size()).isOk());
    return f;
}

TEST(FileTest, ExclusiveOpenRefusesEveryOtherOpen)
{
    testing_support::TempDir dir;
    const auto path = dir.file("t.dbf");
    makeFile(path, "abc").reset();

    std::unique_ptr<File> first;
    ASSERT_TRUE(xbase::openFile(path, OpenMode::Exclusive, &first).isOk());
    for (OpenMode mode : {OpenMode::Exclusive, OpenMode::Shared, OpenMode::ReadOnly}) {
        std::unique_ptr<File> second;
        const auto s = xbase::openFile(path, mode, &second);
        EXPECT_EQ(s.code(), xbase::Status::Code::Locked);
    }
    first.reset();
    std::unique_ptr<File> again;
    EXPECT_TRUE(xbase::openFile(path, OpenMode::Exclusive, &again).isOk());
}

TEST(FileTest, SharedOpensCoexistButBlockExclusive)
{
    testing_support::TempDir dir;
    const auto path = dir.file("t.dbf");
    makeFile(path, "abc").reset();
    std::unique_ptr<File> a, b, c;
    ASSERT_TRUE(xbase::openFile(path, OpenMode::Shared, &a).isOk());
    ASSERT_TRUE(xbase::openFile(path, OpenMode::Shared, &b).isOk());
    EXPECT_FALSE(xbase::openFile(path, OpenMode::Exclusive, &c).isOk());
}

TEST(FileTest, ShortReadIsCorruption)
{
    testing_support::TempDir dir;
    auto f = makeFile(dir.file("t"), "abc");
    char buf[8];
    EXPECT_EQ(f->readExact(1, buf, 5, "header").code(), xbase::Status::Code::Corruption);
    EXPECT_TRUE(f->readExact(1, buf, 2, "header").isOk());
    EXPECT_EQ(std::string(buf, 2), "bc");
}

TEST(FileTest, MissingFileIsNotFound)
{
    std::unique_ptr<File> f;
    EXPECT_EQ(xbase::openFile("/nonexistent/x.dbf", OpenMode::ReadOnly, &f).code(), xbase::Status::Code::NotFound);
}

} // namespace
