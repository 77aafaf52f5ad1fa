#include "cli/address_selection.h"

#include "cli/table_access.h"
#include "cli/usage_text.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/filter_apply.h"
#include "store/filter_state.h"
#include "store/flt_file.h"
#include "store/query_selection.h"
#include "store/settings.h"

#include <QFileInfo>
#include <QStringList>

namespace quorvel::cli {

namespace {

QString qtext(const std::string& value) { return QString::fromStdString(value); }
std::string utf8(const QString& text) { return text.toStdString(); }

// The user's part of the query, without the deleted-record test; false
// after reporting why it cannot be built.
bool userCondition(const ParsedArguments& args, const QString& tagId, QString& condition)
{
    TFilterState state;
    if (args.given("--load") && !loadFilterFile(args.value("--load"), state))
        return false;
    state.taggedOnly = state.taggedOnly || args.has("--tagged");
    QStringList conditions;
    if (args.given("--filter"))
        conditions << qtext(args.value("--filter"));
    if (const QString form = state.BuildQueryString(tagId); !form.isEmpty())
        conditions << form;
    condition = conditions.join(QStringLiteral(" .and. "));
    if (filterTooComplex(condition)) {
        failWith(kFilterTooComplex);
        return false;
    }
    return true;
}

// The query of the main window's filter: the user's condition in brackets
// (so that an ".or." in it cannot reach deleted records), then the records
// not deleted.
QString selectionQuery(const QString& condition)
{
    if (condition.isEmpty())
        return QString::fromLatin1(kNoFilterQuery);
    return QStringLiteral("(") + condition + QStringLiteral(") .and. ") + QString::fromLatin1(kNoFilterQuery);
}

} // namespace

bool loadFilterFile(const std::string& path, TFilterState& state)
{
    const QString file = QString::fromUtf8(path);
    QString error = filterRestoreRefusal(file);
    if (error.isEmpty() && RestoreFilterFrom(file, &state, &error))
        return true;
    failWith(utf8(error));
    return false;
}

std::string selectionUsageProblem(const ParsedArguments& args)
{
    if (args.given("--filter") && args.given("--load"))
        return "--filter and --load cannot be given together";
    return {};
}

TSelection openSelectedAddresses(TAddressDataset& addresses, const ParsedArguments& args, const TSettings& settings)
{
    const std::string& file = args.positional[0];
    const TAddressOpenResult opened = OpenQVWFile(QFileInfo(qtext(file)).absoluteFilePath(), addresses);
    if (!opened.ok) {
        failWith("cannot open " + file + ": " + utf8(opened.detail.isEmpty() ? opened.messages.join(u' ')
                                                                               : opened.detail));
        return TSelection::Failed;
    }
    if (opened.notClosedProperly || !opened.indexValid) {
        failWith(opened.notClosedProperly ? notClosedProperlyMessage(file)
                                          : "the tags of " + file + " are incomplete. Rebuild them with: "
                                                                     "quorvel-cli reindex " + file);
        return TSelection::Failed;
    }
    addresses.setGlobalTagId(settings.globalTagId());
    if (args.given("--order") && !addresses.SetOrder(qtext(args.value("--order")))) {
        failWith("no tag " + args.value("--order") + " in " + file + ": " + utf8(addresses.lastError()));
        return TSelection::Failed;
    }
    QString condition;
    if (!userCondition(args, settings.globalTagId(), condition))
        return TSelection::Failed;
    if (!addresses.SetQuery(selectionQuery(condition))) {
        failWith("bad filter: " + utf8(addresses.lastError()));
        return TSelection::Failed;
    }
    return addresses.IsEmpty() ? TSelection::SelectsNothing : TSelection::Selected;
}

bool goToSelectedRecord(TAddressDataset& addresses, std::uint32_t record)
{
    if (QuerySelectsRecord(addresses.engine(), record) && addresses.GoTo(record))
        return true;
    failWith("record " + std::to_string(record) + " is not among the selected records");
    return false;
}

} // namespace quorvel::cli
