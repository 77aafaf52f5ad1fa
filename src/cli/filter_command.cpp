// quorvel-cli filter: the main window's filter form without the window.
// The boxes are filled from --load and --set, the expression is built and
// applied by the same code as the "Address Filter" dialog's, then printed
// with the count or the records it selects.
#include "cli/address_selection.h"
#include "cli/csv_writer.h"
#include "cli/table_access.h"
#include "cli/text_encoding.h"
#include "store/filter_apply.h"
#include "store/flt_file.h"
#include "store/home_folder.h"
#include "store/settings.h"

#include <cstdio>

namespace quorvel::cli {

namespace {

using xbase::TApollo;

const char* const kFilterUsage =
    "filter FILE [--set BOX=VALUE ...] [--tagged] [--reverse] [--save F.FLT] [--load F.FLT] [--count] [--list]";

// The 18 boxes of the filter form, by the field each one filters.
const char* const kBoxNames =
    "LNAME, FNAME, TITLE, ORG, STREET, STREET2, ZIP, CITY, STATE, COUNTRY, PHONE, PHONE2, FAX, EMAIL, DATE, CODES, "
    "USER1, USER2";

std::string utf8(const QString& text) { return text.toStdString(); }
QString fromArgument(const std::string& text) { return QString::fromUtf8(text); }

bool setBox(TFilterState& state, const std::string& assignment, std::string* error)
{
    const std::size_t equals = assignment.find('=');
    const std::optional<TFilterBox> box =
        equals == std::string::npos ? std::nullopt : filterBoxNamed(fromArgument(assignment.substr(0, equals)));
    if (!box) {
        *error = std::string("--set needs BOX=VALUE with BOX one of ") + kBoxNames + "; got " + assignment;
        return false;
    }
    state.value(*box) = fromArgument(assignment.substr(equals + 1));
    return true;
}

bool saveFilter(const std::string& path, const TFilterState& state)
{
    QString error;
    const QString file = filterSavePath(fromArgument(path), &error);
    if (!file.isEmpty() && SaveFilterTo(file, state, &error))
        return true;
    failWith(utf8(error));
    return false;
}

// The filter form as the arguments fill it; false after reporting a problem.
bool fillState(const ParsedArguments& args, TFilterState& state, int* exitCode)
{
    if (args.given("--load") && !loadFilterFile(args.value("--load"), state)) {
        *exitCode = kFailed;
        return false;
    }
    std::string error;
    for (const std::string& assignment : args.all("--set")) {
        if (!setBox(state, assignment, &error)) {
            *exitCode = badUsage(kFilterUsage, error);
            return false;
        }
    }
    state.taggedOnly = state.taggedOnly || args.has("--tagged");
    state.reverse = state.reverse || args.has("--reverse");
    return true;
}

std::vector<std::string> listedFields(const TApollo& table)
{
    std::vector<std::string> fields;
    for (int i = 1; i <= table.sx_FieldCount(); ++i) {
        if (table.sx_FieldType(table.sx_FieldName(i)) != 'M')
            fields.push_back(table.sx_FieldName(i));
    }
    return fields;
}

int printRecords(TApollo& table, bool anySelected)
{
    const std::vector<std::string> fields = listedFields(table);
    CsvWriter csv(stdout);
    csv.writeRow(fields);
    std::vector<std::string> row(fields.size());
    for (bool more = anySelected && table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            row[i] = windows1252ToUtf8(table.sx_GetString(fields[i]));
        csv.writeRow(row);
    }
    return table.sx_LastError() ? kOk : failWith(table.sx_LastError().message());
}

// Applies the filter to the file and prints the count or the records. A
// filter that selects nothing is dropped, as in the main window; here that
// means nothing is counted or listed rather than every record.
int applyAndPrint(const ParsedArguments& args, TFilterState& state, const QString& tagId)
{
    TApollo table;
    if (!openTable(table, args.positional[0], xbase::OpenMode::ReadOnly))
        return kFailed;
    const bool filterSet = state.isSet();
    const TFilterOutcome outcome = ApplyFilter(table, state, tagId);
    if (!outcome.message.isEmpty())
        return failWith(utf8(outcome.message));
    const bool dropped = filterSet && !state.isSet();
    if (dropped)
        std::fprintf(stderr, "quorvel-cli: the filter selects no record\n");
    if (args.has("--list"))
        return printRecords(table, !dropped);
    const std::uint32_t count = filterSet ? outcome.count : table.sx_QueryRecCount();
    if (!table.sx_LastError())
        return failWith(table.sx_LastError().message());
    std::printf("%u\n", count);
    return kOk;
}

int runFilter(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    int exitCode = kOk;
    if (args.has("--count") && args.has("--list"))
        return badUsage(kFilterUsage, "--count and --list cannot be given together");
    TFilterState state;
    if (!fillState(args, state, &exitCode))
        return exitCode;
    const QString tagId = TSettings(THomeFolder(fromArgument(inv.home)).iniPath()).globalTagId();
    std::printf("%s\n", utf8(state.BuildQueryString(tagId)).c_str());
    if (args.given("--save") && !saveFilter(args.value("--save"), state))
        return kFailed;
    if (!args.has("--count") && !args.has("--list"))
        return kOk;
    return applyAndPrint(args, state, tagId);
}

const CommandRegistrar filterCommand(
    {"filter", kFilterUsage,
     std::string("The filter form's expression, then the count or the records it selects.\n"
                 "--load fills the boxes from a filter file first, --save keeps them in one. --set fills\n"
                 "one box and may be given for several; BOX is the field the box filters, one of\n") +
         kBoxNames + ".",
     {.withValue = {"--save", "--load"},
      .flags = {"--tagged", "--reverse", "--count", "--list"},
      .repeatable = {"--set"}},
     runFilter});

} // namespace
} // namespace quorvel::cli
