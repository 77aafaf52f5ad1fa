#pragma once

#include "store/filter_state.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quorvel {

// Filter files (".FLT"): Windows-1252 text of 20 lines, the 18 box values in
// box order, then "T" or "F" for tagged only and for reverse. Missing lines
// read as empty, so a short file reads with both switches off.

// The file's bytes, lines ending in CR LF. Empty with *error set when a
// value holds a line break or a character Windows-1252 cannot store.
QByteArray filterFileBytes(const TFilterState& state, QString* error);

// Reads the boxes and switches; the expression is left empty for the next
// build. Bytes that cannot be a filter file (binary data, too many lines, a
// switch that is neither T nor F, an oversized file) give false with *error
// set and leave *state as it was.
bool parseFilterFile(QByteArrayView bytes, TFilterState* state, QString* error);

// Writes the file through a temporary file that replaces it in one step.
bool SaveFilterTo(const QString& path, const TFilterState& state, QString* error);
// Reads the file into *state; on any failure *state is unchanged.
bool RestoreFilterFrom(const QString& path, TFilterState* state, QString* error);

// The path a filter is saved under for the name the user chose: a name
// without extension gets ".FLT"; a name with another extension is refused
// with "Must have a .FLT extension" (empty path, *refusal set).
QString filterSavePath(const QString& chosen, QString* refusal);
// "Must be a Filter (.FLT) file" for a name that does not end in ".FLT"
// (any letter case), else empty.
QString filterRestoreRefusal(const QString& chosen);

} // namespace quorvel
