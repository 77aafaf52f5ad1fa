#include "cli/table_access.h"

#include "store/address_names.h"

#include <cstdio>

namespace quorvel::cli {

std::string notClosedProperlyMessage(const std::string& file)
{
    return notClosedProperlyText(QString::fromStdString(file)).toStdString() +
           " Rebuild them with: quorvel-cli reindex " + file;
}

bool openTable(xbase::TApollo& table, const std::string& file, xbase::OpenMode mode, TagUse tags)
{
    if (!table.sx_Use(file, mode)) {
        failWith("cannot open " + file + ": " + table.sx_LastError().message());
        return false;
    }
    if (tags == TagUse::Reads && table.workArea()->indexesSuspect()) {
        failWith(notClosedProperlyMessage(file));
        table.sx_Close();
        return false;
    }
    return true;
}

std::string tableTypeName(const xbase::DbfTable& table)
{
    const char* name = "dBASE III";
    switch (table.flavor()) {
    case xbase::TableFlavor::FoxPro: name = "FoxPro"; break;
    case xbase::TableFlavor::VisualFoxPro: name = "Visual FoxPro"; break;
    case xbase::TableFlavor::DBase4: name = "dBASE IV"; break;
    case xbase::TableFlavor::DBase3: break;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", table.versionByte());
    return std::string(name) + " (" + hex + ")";
}

} // namespace quorvel::cli
