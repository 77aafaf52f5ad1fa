#include "xbase/core/record.h"

#include <cctype>

namespace xbase {

int findField(const Schema& schema, const std::string& name)
{
    for (std::size_t i = 0; i < schema.size(); ++i) {
        const std::string& f = schema[i].name;
        if (f.size() != name.size())
            continue;
        bool same = true;
        for (std::size_t k = 0; k < f.size() && same; ++k)
            same = std::toupper(static_cast<unsigned char>(f[k])) == std::toupper(static_cast<unsigned char>(name[k]));
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace xbase
