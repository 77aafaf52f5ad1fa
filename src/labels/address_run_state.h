#pragma once

#include "labels/label_run_options.h"
#include "labels/run_refusal.h"

#include <QString>

#include <cstdint>

namespace output {
class TOutputDialogs;
}
namespace quorvel {
class TAddressDataset;
}
namespace xbase {
class TApolloEnv;
}

namespace labels {

// What a label, envelope or report run changes on the address file, put
// back when the run ends however it ends: the query (without a scope), the
// order and the current
// record, the engine's key comparison (a presorted run makes it inexact)
// and the name and city lines (on while the run prints, so that designs can
// show them). The bound controls are suspended meanwhile, so that the
// window does not follow every record the run walks through; they catch up
// with the restored record at the end.
class TAddressRunState {
public:
    TAddressRunState(quorvel::TAddressDataset& addresses, xbase::TApolloEnv& env);
    ~TAddressRunState();
    TAddressRunState(const TAddressRunState&) = delete;
    TAddressRunState& operator=(const TAddressRunState&) = delete;

    std::uint32_t RememberedRecord() const { return record_; }

private:
    quorvel::TAddressDataset& addresses_;
    xbase::TApolloEnv& env_;
    std::uint32_t record_;
    QString query_;
    QString order_;
    bool exact_;
    bool extraFields_;
};

// What "All records" selects for labels and envelopes: every record not
// deleted. Reports leave out more (their own query).
inline const QString kAllRecordsQuery = QStringLiteral("NOT ISDEL");

// Sets the query for the record choice: `allRecordsQuery` for all records,
// "Recno()=" and the record's number for the current one; the filter's
// query stays as it is. False, with the dataset's error, when it failed.
bool SelectRecords(quorvel::TAddressDataset& addresses, TRecordChoice choice, std::uint32_t currentRecord,
                   const QString& allRecordsQuery = kAllRecordsQuery);

// Puts the cursor on the first record to print: the remembered one when
// asked to start there, else the first. False when the remembered record is
// outside the selection; the cursor then stands on the first record.
bool GoToStartRecord(quorvel::TAddressDataset& addresses, bool fromCurrent, std::uint32_t record);

// The record choice and start of a label, envelope or report run: selects the
// records and puts the cursor on the first to print. Refused when the query
// cannot be set (an error) or selects nothing. A remembered record
// outside the selection is not an obstacle: the user is told so ("Current
// record is out of range...") and the run starts at the first record.
std::optional<TRunRefusal> SelectAndStart(quorvel::TAddressDataset& addresses, output::TOutputDialogs& dialogs,
                                          TRecordChoice choice, bool fromCurrent, std::uint32_t record,
                                          const QString& allRecordsQuery = kAllRecordsQuery);

} // namespace labels
