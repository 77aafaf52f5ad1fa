#include "cli/tag_source.h"

namespace quorvel::cli {

namespace {

std::vector<TagSource>& sources()
{
    static std::vector<TagSource> registered;
    return registered;
}

} // namespace

void registerTagSource(TagSource source) { sources().push_back(std::move(source)); }

std::vector<TagDefinition> requiredTags(xbase::TApollo& table)
{
    for (const TagSource& source : sources()) {
        std::vector<TagDefinition> tags = source(table);
        if (!tags.empty())
            return tags;
    }
    return {};
}

} // namespace quorvel::cli
