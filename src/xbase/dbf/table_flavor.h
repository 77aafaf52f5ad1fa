#pragma once

#include <optional>

namespace xbase {

// The family of program a table's layout comes from. It decides the memo file
// kind and the meaning of the extra field types. Version 0x03 (no memo) is
// shared by dBase III and FoxPro and is reported as FoxPro, the layout this
// program writes.
enum class TableFlavor { FoxPro, DBase3, DBase4, VisualFoxPro };

namespace dbf {

enum class MemoKind { None, Fpt, DBase3Dbt, DBase4Dbt };

struct VersionInfo {
    TableFlavor flavor;
    MemoKind memo; // the memo file the version announces
};

// Empty for a version byte this engine does not know.
std::optional<VersionInfo> describeVersion(unsigned char version);

} // namespace dbf
} // namespace xbase
