#include "xbase/dbf/memo_file.h"

#include "xbase/dbf/dbt_memo_file.h"
#include "xbase/dbf/fpt_memo_file.h"

#include <cctype>

namespace xbase::dbf {
namespace {

struct SplitPath {
    std::string dir;  // with trailing slash, or empty
    std::string base; // file name without extension
    std::string ext;  // with the dot, or empty
};

SplitPath splitPath(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.find_last_of('.');
    SplitPath out;
    out.dir = path.substr(0, nameStart);
    if (dot == std::string::npos || dot < nameStart) {
        out.base = path.substr(nameStart);
    } else {
        out.base = path.substr(nameStart, dot - nameStart);
        out.ext = path.substr(dot);
    }
    return out;
}

std::string withCase(std::string s, bool upper)
{
    for (char& c : s)
        c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c)) : std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool hasLowerCase(const std::string& s)
{
    for (char c : s)
        if (std::islower(static_cast<unsigned char>(c)))
            return true;
    return false;
}

std::string extensionOf(MemoKind kind) { return kind == MemoKind::Fpt ? ".FPT" : ".DBT"; }

} // namespace

std::string memoPathFor(const std::string& tablePath, MemoKind kind)
{
    const SplitPath p = splitPath(tablePath);
    const bool lower = hasLowerCase(p.ext);
    return p.dir + p.base + withCase(extensionOf(kind), !lower);
}

std::string findMemoFile(const std::string& tablePath, MemoKind kind)
{
    const SplitPath p = splitPath(tablePath);
    const std::string ext = extensionOf(kind);
    const std::string candidates[] = {
        memoPathFor(tablePath, kind),
        p.dir + p.base + withCase(ext, true),
        p.dir + p.base + withCase(ext, false),
        p.dir + withCase(p.base, true) + withCase(ext, true),
        p.dir + withCase(p.base, false) + withCase(ext, false),
    };
    for (const std::string& c : candidates)
        if (fileExists(c))
            return c;
    return {};
}

MemoKind resolveMemoKind(const std::string& tablePath, MemoKind announced, bool hasMemoFields)
{
    if (!hasMemoFields)
        return MemoKind::None;
    if (announced != MemoKind::None)
        return announced;
    if (findMemoFile(tablePath, MemoKind::Fpt).empty() && !findMemoFile(tablePath, MemoKind::DBase3Dbt).empty())
        return MemoKind::DBase3Dbt;
    return MemoKind::Fpt;
}

Status openMemoFile(const std::string& path, MemoKind kind, OpenMode mode, std::unique_ptr<MemoFile>* out)
{
    std::unique_ptr<File> file;
    Status s = openFile(path, mode, &file);
    if (!s)
        return s;
    if (kind == MemoKind::Fpt)
        return FptMemoFile::open(std::move(file), path, mode, out);
    return DbtMemoFile::open(std::move(file), path, kind, out);
}

Status createMemoFile(const std::string& path, MemoKind kind, std::unique_ptr<MemoFile>* out, std::uint16_t blockSize)
{
    std::unique_ptr<File> file;
    Status s = createFile(path, &file);
    if (!s)
        return s;
    if (kind == MemoKind::Fpt)
        return FptMemoFile::create(std::move(file), path, blockSize, out);
    return DbtMemoFile::create(std::move(file), path, kind, blockSize, out);
}

} // namespace xbase::dbf
