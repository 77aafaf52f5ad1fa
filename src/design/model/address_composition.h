#pragma once

#include "design/model/design_enums.h"

#include <QStringList>

namespace design {

class TGRecordSource;

// The switches of an address block: which lines it shows and where the ZIP
// code goes.
struct TAddressLayout {
    bool UseName = true;
    bool UseTitle = true;
    bool UseCompany = true;
    bool UseStreet = true;
    bool UseStreet2 = true;
    bool UseCityState = true;
    bool UseZip = true;
    bool UsePhone = false;
    bool UseCountry = true;
    TZipFormatOptions ZipOptions = TZipFormatOptions::zoAfterState;
    bool UpperCase = false;

    friend bool operator==(const TAddressLayout&, const TAddressLayout&) = default;
};

// The lines of the address block for the record. Empty lines are left out;
// a field the record lacks counts as empty, so the other lines still print.
QStringList ComposeAddress(const TAddressLayout& layout, const TGRecordSource& record);

// Capitals for the letters a to z only; accented letters stay as they are.
QString UpperCaseAscii(const QString& text);

} // namespace design
