#include "labels/address_run_state.h"

#include "output/output_dialogs.h"
#include "store/address_dataset.h"
#include "store/query_selection.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

namespace labels {

TAddressRunState::TAddressRunState(quorvel::TAddressDataset& addresses, xbase::TApolloEnv& env)
    : addresses_(addresses), env_(env), record_(addresses.RecNo()), query_(addresses.Query()),
      order_(addresses.Order()), exact_(env.sx_GetExact()), extraFields_(addresses.extraFieldsVisible())
{
    addresses_.DisableControls();
    addresses_.SetExtraFields(true);
}

TAddressRunState::~TAddressRunState()
{
    env_.sx_SetExact(exact_);
    addresses_.engine().sx_ClearScope();
    addresses_.SetQuery(query_);
    addresses_.SetOrder(order_);
    if (record_ != 0)
        addresses_.GoTo(record_);
    addresses_.SetExtraFields(extraFields_);
    addresses_.EnableControls();
}

bool SelectRecords(quorvel::TAddressDataset& addresses, TRecordChoice choice, std::uint32_t currentRecord,
                   const QString& allRecordsQuery)
{
    switch (choice) {
    case rcAllRecords: return addresses.SetQuery(allRecordsQuery);
    case rcOnlyCurrent: return addresses.SetQuery(QStringLiteral("Recno()=") + QString::number(currentRecord));
    case rcMatchingFilter: break;
    }
    return true;
}

bool GoToStartRecord(quorvel::TAddressDataset& addresses, bool fromCurrent, std::uint32_t record)
{
    if (fromCurrent && record != 0 && quorvel::QuerySelectsRecord(addresses.engine(), record) &&
        addresses.GoTo(record))
        return true;
    addresses.First();
    return !fromCurrent;
}

std::optional<TRunRefusal> SelectAndStart(quorvel::TAddressDataset& addresses, output::TOutputDialogs& dialogs,
                                          TRecordChoice choice, bool fromCurrent, std::uint32_t record,
                                          const QString& allRecordsQuery)
{
    if (!SelectRecords(addresses, choice, record, allRecordsQuery))
        return TRunRefusal{addresses.lastError(), true};
    if (addresses.IsEmpty())
        return TRunRefusal{messages::noRecordsSelected(), false};
    if (!GoToStartRecord(addresses, fromCurrent, record))
        dialogs.ShowInformation(messages::recordOutOfRange());
    return std::nullopt;
}

} // namespace labels
