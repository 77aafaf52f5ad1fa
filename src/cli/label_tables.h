#pragma once

#include "store/dataset_result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {
class TDataset;
}

// What the label commands share: opening their tables in the home folder,
// warnings, and turning table text into CSV values.
namespace quorvel::cli {

using LabelTableOpener = std::function<TTableResult(TDataset&, const QString& sysdataFolder)>;

// Opens the table in the home folder's sysdata; false after reporting why
// it could not be opened.
bool openLabelTable(TDataset& table, const std::string& home, const LabelTableOpener& open);

using LayoutFinder = std::function<bool(TDataset&, const QString& name)>;

// Opens the layout table as openLabelTable does and goes to the layout
// named (any case); false after reporting why: "no NOUN is named "NAME""
// and the hint, when given.
bool openNamedLayout(TDataset& table, const std::string& home, const LabelTableOpener& open,
                     const LayoutFinder& find, const QString& name, const std::string& noun,
                     const std::string& hint = {});

// How a print command ends whose run did not complete: nothing more when
// the run did not start and has told why already (`said`), else the run's
// message, or `fallback` when it has none. kFailed.
int failedPrintRun(bool started, bool said, const QString& message, const std::string& fallback);

// A whole number within [low, high] as typed (blanks around it allowed);
// nothing for anything else: a count or number option's value.
std::optional<int> countIn(const std::string& text, int low, int high);

// The home folder's sysdata folder.
QString sysdataFolder(const std::string& home);

// "quorvel-cli: warning: MESSAGE" on stderr.
void warn(const QString& message);

// Reports a failed table operation: its messages, then the detail when it
// adds something; kFailed.
int failWithResult(const TTableResult& result);

// The texts as UTF-8, for a CSV row.
std::vector<std::string> utf8Values(const QStringList& texts);
// The value of each column as UTF-8.
std::vector<std::string> utf8Values(const QStringList& columns, const std::function<QString(const QString&)>& value);

} // namespace quorvel::cli
