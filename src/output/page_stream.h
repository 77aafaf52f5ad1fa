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

// A recorded stream checked from end to end, whose pages are decoded one at
// a time when asked for: a thousand-page preview holds the stream's bytes,
// not a thousand decoded pages. A stream may come from a file, so nothing in
// it is trusted: every count and length is checked against the bytes that
// remain, every number against a sane range. Damage anywhere throws
// EReportError when the stream is opened, before any page is shown.
class TPageStreamReader {
public:
    explicit TPageStreamReader(QByteArray bytes);
    // Reads the device from its start (the caller's stream object stays open).
    explicit TPageStreamReader(QIODevice& device);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // 0-based.
    QSizeF pageSize(int index) const { return pages_.at(static_cast<std::size_t>(index)).size; }
    TPage page(int index) const;

private:
    struct PageEntry {
        std::size_t offset;
        QSizeF size;
    };

    QByteArray bytes_;
    std::vector<PageEntry> pages_;
};

// Every page of a stream at once, for tests and tools.
std::vector<TPage> ReadPageStream(const QByteArray& bytes);
std::vector<TPage> ReadPageStream(QIODevice& device);

inline constexpr quint16 kPageStreamVersion = 1;

} // namespace output
