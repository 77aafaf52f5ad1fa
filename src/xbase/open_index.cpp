#include "xbase/open_index.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace xbase {

namespace {

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

void OpenIndex::compileOrders(const Schema& schema)
{
    orders.clear();
    unusable.clear();
    const std::vector<TagInfo> infos = file->tags();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        TagKeys keys;
        Status s = TagKeys::compile(infos[i], schema, &keys);
        if (s)
            s = file->setKeyType(static_cast<int>(i), keys.info().keyType);
        if (!s && unusable.empty())
            unusable = s.message();
        orders.push_back(std::move(keys));
    }
}

std::string structuralIndexPathFor(const std::string& tablePath)
{
    const std::filesystem::path path(tablePath);
    const std::string ext = path.extension().string();
    const bool lower = !ext.empty() && std::islower(static_cast<unsigned char>(ext.back()));
    std::filesystem::path result = path;
    result.replace_extension(lower ? ".cdx" : ".CDX");
    return result.string();
}

std::string findStructuralIndex(const std::string& tablePath)
{
    const std::filesystem::path path(tablePath);
    const std::string wanted = lowered(path.stem().string() + ".cdx");
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (lowered(entry.path().filename().string()) == wanted && entry.is_regular_file(ec))
            return entry.path().string();
    }
    return {};
}

} // namespace xbase
