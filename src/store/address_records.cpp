#include "store/address_records.h"

#include "store/dataset.h"
#include "xbase/apollo_env.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

const std::array<QLatin1String, 20> kClonedFields = {
    QLatin1String("LNAME"),  QLatin1String("FNAME"),   QLatin1String("MIDDLE"), QLatin1String("PREFIX"),
    QLatin1String("TITLE"),  QLatin1String("ORG"),     QLatin1String("STREET"), QLatin1String("STREET2"),
    QLatin1String("CITY"),   QLatin1String("STATE"),   QLatin1String("ZIP"),    QLatin1String("COUNTRY"),
    QLatin1String("PHONE"),  QLatin1String("PHONE2"),  QLatin1String("EMAIL"),  QLatin1String("FAX"),
    QLatin1String("CODES"),  QLatin1String("DATE"),    QLatin1String("USER1"),  QLatin1String("USER2"),
};

// Restores the engine's deleted-records setting however the caller leaves.
class TShowDeleted {
public:
    explicit TShowDeleted(xbase::TApolloEnv& env) : env_(env), hidden_(env.sx_GetDeleted()) { env_.sx_SetDeleted(false); }
    ~TShowDeleted() { env_.sx_SetDeleted(hidden_); }
    TShowDeleted(const TShowDeleted&) = delete;
    TShowDeleted& operator=(const TShowDeleted&) = delete;

private:
    xbase::TApolloEnv& env_;
    bool hidden_;
};

} // namespace

QString memoForStorage(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\r', u'\n');
    stored.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (stored.size() % 4 == 0)
        stored += u' ';
    return stored;
}

bool DeleteAddressRecord(TDataset& dataset, xbase::TApolloEnv& env)
{
    {
        const TShowDeleted showDeleted(env);
        if (!dataset.Delete() || !dataset.Edit())
            return false;
        if (!dataset.SetFieldAsBoolean(u"ISDEL", true) || !dataset.Post()) {
            dataset.Cancel();
            return false;
        }
    }
    dataset.Prior();
    return true;
}

bool CloneAddressRecord(TDataset& dataset)
{
    if (dataset.IsEmpty())
        return false;
    std::vector<std::pair<QString, QString>> values;
    for (const QLatin1String& field : kClonedFields)
        values.emplace_back(QString(field), dataset.FieldAsString(QString(field)));
    const QString memo = dataset.MemoText(u"MEMO");
    if (!dataset.Insert())
        return false;
    for (const auto& [field, value] : values) {
        if (!dataset.SetFieldAsString(field, value)) {
            dataset.Cancel();
            return false;
        }
    }
    if (!dataset.SetMemoText(u"MEMO", memo) || !dataset.Post()) {
        dataset.Cancel();
        return false;
    }
    return true;
}

} // namespace quorvel
