// quorvel-cli design-show and design-copy: what a design file holds, and a
// read-and-write-back through the same code as the designers.
#include "cli/table_access.h"
#include "design/file/design_file_tools.h"

#include <cstdio>

namespace quorvel::cli {

namespace {

const char* const kShowUsage = "design-show FILE";
const char* const kCopyUsage = "design-copy IN OUT";

QString qtext(const std::string& value) { return QString::fromStdString(value); }

int failWithStatus(const std::string& action, const design::TGFilerStatus& status)
{
    std::string why = status.Message().toStdString();
    if (status.Offset() >= 0)
        why += " (at byte " + std::to_string(status.Offset()) + ")";
    return failWith(action + ": " + why);
}

int runShow(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    QStringList lines;
    const design::TGFilerStatus status = design::DescribeDesignFile(qtext(args.positional[0]), lines);
    if (!status)
        return failWithStatus("cannot read " + args.positional[0], status);
    for (const QString& line : lines)
        std::printf("%s\n", line.toUtf8().constData());
    return kOk;
}

int runCopy(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    const design::TGFilerStatus status = design::CopyDesignFile(qtext(args.positional[0]), qtext(args.positional[1]));
    if (!status)
        return failWithStatus("cannot copy " + args.positional[0], status);
    return kOk;
}

const CommandRegistrar showCommand({"design-show", kShowUsage,
                                    "The objects of a design file and their properties.\n"
                                    "Per object a line CLASS NAME, then one line PROPERTY=VALUE per stored\n"
                                    "property in file order.",
                                    {}, runShow});
const CommandRegistrar copyCommand({"design-copy", kCopyUsage, "Reads a design file into a surface and writes it back.",
                                    {.positionalCount = 2}, runCopy});

} // namespace
} // namespace quorvel::cli
