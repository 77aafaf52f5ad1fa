// Plays the input as a Windows metafile (as it is, and as the records of a
// placeable WMF and of an EMF behind sound headers, so that mutations reach
// the record players), and decodes it as a bitmap inside a record. Nothing
// may crash, read outside the input or hang.

#include "fuzz_application.h"
#include "picture/image_metafile.h"
#include "picture/metafile_dib.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdlib>

using namespace picture;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void AppendLe16(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendLe32(QByteArray& bytes, std::int64_t value)
{
    AppendLe16(bytes, static_cast<int>(value & 0xFFFF));
    AppendLe16(bytes, static_cast<int>((value >> 16) & 0xFFFF));
}

QByteArray AsWmfRecords(const QByteArray& records)
{
    QByteArray file;
    AppendLe32(file, 0x9AC6CDD7);
    for (int word : {0, 0, 0, 100, 100, 1440, 0, 0, 0, 1, 9, 0x0300})
        AppendLe16(file, word);
    AppendLe32(file, 9 + records.size() / 2);
    AppendLe16(file, 16);
    AppendLe32(file, 0);
    AppendLe16(file, 0);
    return file + records;
}

QByteArray AsEmfRecords(const QByteArray& records)
{
    QByteArray file;
    for (std::int64_t value : {1, 88, 0, 0, 99, 99, 0, 0, 2500, 2500, 0x464D4520, 0x10000})
        AppendLe32(file, value);
    AppendLe32(file, 88 + records.size());
    AppendLe32(file, 2);
    AppendLe32(file, 16);
    for (std::int64_t value : {0, 0, 0, 1000, 1000, 250, 250})
        AppendLe32(file, value);
    return file + records;
}

void Play(const QByteArray& file)
{
    const QSize size(48, 40);
    const QImage image = picture::metafile::Render(file, size);
    Require(image.isNull() || image.size() == size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication("metafile_fuzz");
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Play(input);
    Play(AsWmfRecords(input));
    Play(AsEmfRecords(input));
    picture::metafile::DecodePackedDib(input);
    return 0;
}
