// quorvel-cli create and add: new address files and new address records,
// through the same address-file code as the windows; and the tags that
// reindex gives address files and system tables.
#include "cli/table_access.h"
#include "cli/tag_source.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/address_layout.h"
#include "store/address_records.h"
#include "store/home_folder.h"
#include "store/settings.h"
#include "store/system_tables.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

namespace quorvel::cli {

namespace {

const char* const kCreateUsage = "create FILE";
const char* const kAddUsage = "add FILE FIELD=VALUE ...";

std::string text(const QString& value) { return value.toStdString(); }
QString qtext(const std::string& value) { return QString::fromStdString(value); }

int failWithResult(const std::string& action, const TTableResult& result)
{
    QString why = result.messages.join(QStringLiteral("; "));
    if (!result.detail.isEmpty())
        why += (why.isEmpty() ? QString() : QStringLiteral(": ")) + result.detail;
    return failWith(action + ": " + text(why));
}

int runCreate(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    const QString path = qtext(args.positional[0]);
    const TSettings settings(THomeFolder(qtext(inv.home)).iniPath());
    xbase::TApollo engine;
    TAddressDataset dataset(engine);
    const TTableResult created = CreateAddressFile(path, dataset, settings.newFileFieldLengths());
    return created ? kOk : failWithResult("cannot create " + args.positional[0], created);
}

// FIELD=VALUE words in upper-case field names; false with *error for a
// word without "=" or a field named twice.
bool parseAssignments(const std::vector<std::string>& words, std::map<QString, QString>* out, std::string* error)
{
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) {
            *error = "expected FIELD=VALUE, not \"" + word + "\"";
            return false;
        }
        const QString field = qtext(word.substr(0, equals)).toUpper();
        if (!out->emplace(field, QString::fromUtf8(word.substr(equals + 1))).second) {
            *error = "field " + text(field) + " is given twice";
            return false;
        }
    }
    return true;
}

// Only the stored fields can be given; the computed ones follow from them.
bool checkFieldNames(const std::map<QString, QString>& values, const TDataset& dataset, std::string* error)
{
    for (const auto& [field, value] : values) {
        const auto& stored = dataset.storedFields();
        if (std::none_of(stored.begin(), stored.end(), [&](const TFieldDef& def) { return def.name == field; })) {
            *error = "an address record has no field " + text(field);
            return false;
        }
    }
    return true;
}

bool storeValues(const std::map<QString, QString>& values, TDataset& dataset)
{
    for (const auto& [field, value] : values) {
        const bool stored = field == u"MEMO" ? dataset.SetMemoText(field, memoForStorage(value))
                                             : dataset.SetFieldAsString(field, value);
        if (!stored)
            return false;
    }
    return true;
}

int runAdd(const Invocation& inv)
{
    const std::vector<std::string>& words = inv.args.positional;
    const std::string& file = words.front();
    std::map<QString, QString> values;
    std::string error;
    if (!parseAssignments({words.begin() + 1, words.end()}, &values, &error))
        return badUsage(kAddUsage, error);
    xbase::TApollo engine;
    TAddressDataset dataset(engine);
    if (!checkFieldNames(values, dataset, &error))
        return badUsage(kAddUsage, error);
    const TAddressOpenResult opened = OpenQVWFile(qtext(file), dataset);
    if (!opened)
        return failWithResult("cannot open " + file, opened);
    if (opened.notClosedProperly)
        return failWith(notClosedProperlyMessage(file));
    if (!opened.indexValid)
        return failWith("the index of " + file + " is missing or incomplete; rebuild it with: quorvel-cli reindex " + file);
    if (!dataset.Insert() || !storeValues(values, dataset) || !dataset.Post()) {
        const std::string why = text(dataset.lastError());
        dataset.Cancel();
        return failWith("cannot add to " + file + ": " + why);
    }
    return kOk;
}

std::vector<TagDefinition> addressTagDefinitions()
{
    std::vector<TagDefinition> tags;
    for (const TAddressTag& tag : addressTags())
        tags.push_back({std::string(tag.name.data(), static_cast<std::size_t>(tag.name.size())),
                        std::string(tag.keyExpression.data(), static_cast<std::size_t>(tag.keyExpression.size()))});
    return tags;
}

bool hasAddressLayout(const xbase::TApollo& table)
{
    for (const TAddressField& field : addressFields()) {
        if (table.sx_FieldType(std::string(field.name.data(), static_cast<std::size_t>(field.name.size()))) == '\0')
            return false;
    }
    return true;
}

// Address files get their 26 tags; the system tables their one tag.
std::vector<TagDefinition> requiredTagsOf(xbase::TApollo& table)
{
    if (hasAddressLayout(table))
        return addressTagDefinitions();
    xbase::WorkArea* area = table.workArea();
    const QString fileName = area ? QFileInfo(QString::fromStdString(area->table().path())).fileName() : QString();
    if (const TSystemTableInfo* info = findSystemTable(fileName))
        return {{text(QString(info->tagName)), text(QString(info->tagExpression))}};
    return {};
}

const CommandRegistrar createCommand({"create", kCreateUsage,
                                      "A new address file and its 26 tags.\n"
                                      "The field widths are those the settings file gives new files.",
                                      {}, runCreate});
const CommandRegistrar addCommand({"add", kAddUsage,
                                   "Appends one address record.\n"
                                   "FIELD is a stored field of an address record; the computed fields follow from\n"
                                   "them, and MEMO is stored as the address window stores it.",
                                   {.morePositional = true}, runAdd});
const bool tagSourceRegistered = (registerTagSource(requiredTagsOf), true);

} // namespace
} // namespace quorvel::cli
