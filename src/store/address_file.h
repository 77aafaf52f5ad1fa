#pragma once

#include "store/dataset_result.h"

#include <QString>

namespace quorvel {

class TDataset;
class TNewFileFieldLengths;

// Opening, creating and checking address files through a dataset. Each
// returns what happened with the messages to show (the caller shows them,
// captioned "Information").

// A new address file at `path` (folder made when missing): the 23 fields
// with the widths of `lengths`, opened exclusively through `dataset` to
// build the 26 tags, then closed. An existing file is never overwritten.
// Messages: "Create failed"; "File creation failed"; "Unable to create
// index files" followed by "File creation failed".
TTableResult CreateAddressFile(const QString& path, TDataset& dataset, const TNewFileFieldLengths& lengths);

// Deletes the open file's structural index (also a damaged one), then
// creates the 26 tags in order. The dataset must be open and browsing; it
// ends on its first record in record number order.
TTableResult BuildAddressIndexes(TDataset& dataset);

// Opens any DBF by path through `dataset`, taking over the file's widths of
// the fields the dataset declares; a declared field the file lacks fails
// the open. The path is looked up without regard to letter case. Any
// failure leaves the dataset closed. Message: "File " + path + " not found".
TTableResult OpenTableFile(const QString& path, TDataset& dataset);

// OpenTableFile, then CheckValidIndex. ok says whether the file opened;
// indexValid whether its index is complete and can be trusted;
// notClosedProperly whether the index carries the mark of a session that
// changed the file and never closed it (notClosedProperlyText), so that its
// tags may miss changes whatever the tag check says.
struct TAddressOpenResult : TTableResult {
    bool indexValid = false;
    bool notClosedProperly = false;
};
TAddressOpenResult OpenQVWFile(const QString& path, TDataset& dataset);

// Whether all 26 tags are present in the open file, looked up by name in
// the fixed check order and stopping at the first absent one, and the index
// was not left behind by a session that never closed the file.
bool CheckValidIndex(TDataset& dataset);

// The open file's folder with a trailing separator.
QString GetDatabasePath(const TDataset& dataset);

} // namespace quorvel
