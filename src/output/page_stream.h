#pragma once

#include "output/page_ops.h"

#include <QByteArray>

#include <vector>

class QIODevice;

namespace output {

// The recorded page stream: a header, then one record per page with every
// operation of the page in inches. The format is the program's own; the
// filer writes it and the viewer and the file printer read it.
//
//   header   "QVPS" u16 version
//   page     u8 'P', f64 width, f64 height, u32 op count, ops
//   op       u8 kind (1 text, 2 shape, 3 image), then its fields
//
// Numbers are little-endian; texts are u32 UTF-16 unit count + units.
class TPageStreamWriter {
public:
    explicit TPageStreamWriter(QIODevice& device) : device_(device) {}

    // Writes the header; returns false when the device refused it.
    bool writeHeader();
    bool writePage(const TPage& page);

private:
    QIODevice& device_;
    QByteArray buffer_;
};

// Reads a whole stream. A stream may come from a file, so nothing in it is
// trusted: every count and length is checked against the bytes that remain,
// every number against a sane range. Damage throws EReportError; pages read
// before the damage are not returned.
std::vector<TPage> ReadPageStream(const QByteArray& bytes);

// Reads the device from its start (the caller's stream object stays open).
std::vector<TPage> ReadPageStream(QIODevice& device);

inline constexpr quint16 kPageStreamVersion = 1;

} // namespace output
