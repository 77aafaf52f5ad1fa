#pragma once

#include <QString>

#include <functional>

namespace quorvel {

// The parts of a record the user chose to copy ("Copy Record To Clipboard").
struct TClipboardGroups {
    bool name = true;     // "Name, Organization, Title"
    bool address = true;  // "Address"
    bool phones = true;   // "Phone Numbers"
    bool codes = true;    // "Codes"
    bool comments = true; // "Comments 1 && 2"
};

// A field's value (trailing blanks removed) by its field name ("LNAME").
using TFieldReader = std::function<QString(const QString& field)>;

// The record as text: each line of the chosen groups that is not blank,
// followed by CR LF. Fields are bounded by their widths, so the text is
// never cut.
QString recordClipboardText(const TFieldReader& field, const TClipboardGroups& groups);

} // namespace quorvel
