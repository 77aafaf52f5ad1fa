// quorvel-cli info, list and count: reading a table without changing it.
#include "cli/csv_writer.h"
#include "cli/table_access.h"
#include "cli/text_encoding.h"

#include <cstdio>

namespace quorvel::cli {

namespace {

using xbase::OpenMode;
using xbase::TApollo;

const char* const kInfoUsage = "info FILE";
const char* const kListUsage = "list FILE [--order TAG] [--filter EXPR] [--fields F1,F2,...] [--all]";
const char* const kCountUsage = "count FILE [--filter EXPR]";

int runInfo(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    TApollo table;
    if (!openTable(table, args.positional[0], OpenMode::ReadOnly, TagUse::LooksOrRebuilds))
        return kFailed;
    xbase::WorkArea& area = *table.workArea();
    std::printf("Type: %s\nFields: %zu\n", tableTypeName(area.table()).c_str(), area.schema().size());
    for (const xbase::FieldInfo& f : area.schema())
        std::printf("  %s %c %d %d\n", f.name.c_str(), f.type, f.width, f.decimals);
    std::printf("Records: %u\nTags: %d\n", area.recCount(), area.orderCount());
    for (int i = 0; i < area.orderCount(); ++i) {
        const xbase::TagInfo& tag = area.orderInfo(i);
        std::string line = tag.name + " " + windows1252ToUtf8(tag.keyExpression);
        if (!tag.forExpression.empty())
            line += " FOR " + windows1252ToUtf8(tag.forExpression);
        std::printf("  %s%s%s\n", line.c_str(), tag.descending ? " DESCENDING" : "", tag.unique ? " UNIQUE" : "");
    }
    if (!area.indexProblem())
        std::fprintf(stderr, "quorvel-cli: warning: %s\n", area.indexProblem().message().c_str());
    if (area.indexesSuspect())
        std::fprintf(stderr, "quorvel-cli: warning: %s\n", notClosedProperlyMessage(args.positional[0]).c_str());
    return kOk;
}

// Sets the query from a filter typed in UTF-8.
bool applyFilter(TApollo& table, const ParsedArguments& args)
{
    if (!args.given("--filter"))
        return true;
    std::string filter;
    if (!utf8ToWindows1252(args.value("--filter"), &filter)) {
        failWith("the filter holds characters a table cannot store");
        return false;
    }
    if (table.sx_Query(filter))
        return true;
    failWith("bad filter: " + table.sx_LastError().message());
    return false;
}

bool chooseFields(TApollo& table, const ParsedArguments& args, std::vector<std::string>* fields)
{
    if (!args.given("--fields")) {
        for (int i = 1; i <= table.sx_FieldCount(); ++i)
            if (table.sx_FieldType(table.sx_FieldName(i)) != 'M')
                fields->push_back(table.sx_FieldName(i));
        return true;
    }
    for (const std::string& name : splitList(args.value("--fields"))) {
        if (table.sx_FieldType(name) == '\0') {
            failWith("no field " + name + " in " + args.positional[0]);
            return false;
        }
        fields->push_back(table.sx_FieldName(xbase::findField(table.workArea()->schema(), name) + 1));
    }
    return true;
}

bool chooseOrder(TApollo& table, const ParsedArguments& args)
{
    if (!args.given("--order"))
        return true;
    const int order = table.sx_TagArea(args.value("--order"));
    if (order == 0) {
        failWith("no tag " + args.value("--order") + " in " + args.positional[0]);
        return false;
    }
    if (table.sx_SetOrder(order))
        return true;
    failWith(table.sx_LastError().message());
    return false;
}

int runList(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    xbase::TApolloEnv env;
    env.sx_SetDeleted(!args.has("--all"));
    TApollo table(env);
    std::vector<std::string> fields;
    if (!openTable(table, args.positional[0], OpenMode::ReadOnly) || !chooseFields(table, args, &fields) ||
        !chooseOrder(table, args) || !applyFilter(table, args))
        return kFailed;
    CsvWriter csv(stdout);
    csv.writeRow(fields);
    std::vector<std::string> row(fields.size());
    for (bool more = table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            row[i] = windows1252ToUtf8(table.sx_GetString(fields[i]));
        csv.writeRow(row);
    }
    if (!table.sx_LastError())
        return failWith(table.sx_LastError().message());
    return kOk;
}

int runCount(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    TApollo table;
    if (!openTable(table, args.positional[0], OpenMode::ReadOnly) || !applyFilter(table, args))
        return kFailed;
    const std::uint32_t count = table.sx_QueryRecCount();
    if (!table.sx_LastError())
        return failWith(table.sx_LastError().message());
    std::printf("%u\n", count);
    return kOk;
}

const CommandRegistrar infoCommand({"info", kInfoUsage,
                                    "The table's type, fields, record count and tags.\n"
                                    "Fields with name, type, width and decimals; tags with name and key\n"
                                    "expression; one per line.",
                                    {}, runInfo});
const CommandRegistrar listCommand({"list", kListUsage,
                                    "The records the filter selects, as CSV.\n"
                                    "In the tag's order (natural order without --order); the fields named (all\n"
                                    "but the memo fields without --fields); deleted records only with --all.",
                                    {.withValue = {"--order", "--filter", "--fields"}, .flags = {"--all"}}, runList});
const CommandRegistrar countCommand({"count", kCountUsage, "The number of records the filter selects.",
                                     {.withValue = {"--filter"}}, runCount});

} // namespace
} // namespace quorvel::cli
