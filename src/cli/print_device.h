#pragma once

#include "cli/arguments.h"

#include <QString>

#include <memory>
#include <string>

namespace output {
class TRPDevice;
}

// The printer a print command draws on: the built-in PDF printer writing to
// the file of --pdf OUT, or one of the system's printers.
namespace quorvel::cli {

// OUT of --pdf as an absolute path; empty when not given.
QString pdfOutputPath(const ParsedArguments& args);

// The PDF printer alone: no need to ask the system about its printers for
// a file.
std::unique_ptr<output::TRPDevice> pdfDevice();

// The system's printers with the first whose name contains `name` selected,
// or the default one for an empty name; nothing after reporting why (no
// such printer, or no printer at all).
std::unique_ptr<output::TRPDevice> systemPrinterDevice(const std::string& name);

} // namespace quorvel::cli
