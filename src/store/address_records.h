#pragma once

#include <QString>

namespace xbase {
class TApolloEnv;
}

namespace quorvel {

class TDataset;

// The memo as it is stored: line ends made CR LF and, when the text has at
// least one line and its length is a positive multiple of 4, one blank
// added to its last line. Every writer of an address memo keeps to this,
// and files written by earlier versions of the program already do.
QString memoForStorage(const QString& text);

// Deletes the current record the way address files record it: the deletion
// flag and ISDEL both set, durably; the previous record (in the current
// order and query) becomes current. False with the dataset's lastError().
bool DeleteAddressRecord(TDataset& dataset, xbase::TApolloEnv& env);

// A new record with the current record's 20 character fields and memo
// (ISDEL and TAG stay empty, so the copy is not tagged); the copy becomes
// current. False with the dataset's lastError().
bool CloneAddressRecord(TDataset& dataset);

} // namespace quorvel
