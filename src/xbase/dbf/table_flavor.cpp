#include "xbase/dbf/table_flavor.h"

namespace xbase::dbf {

std::optional<VersionInfo> describeVersion(unsigned char version)
{
    switch (version) {
    case 0x02: // FoxBASE
    case 0x03: return VersionInfo{TableFlavor::FoxPro, MemoKind::None};
    case 0xF5:
    case 0xFB: return VersionInfo{TableFlavor::FoxPro, MemoKind::Fpt};
    case 0x83: return VersionInfo{TableFlavor::DBase3, MemoKind::DBase3Dbt};
    case 0x04:
    case 0x05:
    case 0x43:
    case 0x63: return VersionInfo{TableFlavor::DBase4, MemoKind::None};
    case 0x7B:
    case 0x8B:
    case 0x8E:
    case 0xCB: return VersionInfo{TableFlavor::DBase4, MemoKind::DBase4Dbt};
    case 0x30:
    case 0x31:
    case 0x32: return VersionInfo{TableFlavor::VisualFoxPro, MemoKind::Fpt};
    default: return std::nullopt;
    }
}

} // namespace xbase::dbf
