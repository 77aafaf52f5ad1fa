// Reads the input as a design file and as a report design file. Whatever
// reads must write back, read again and write the same bytes once more. Each
// write is prepared as the program prepares a save: the text that objects
// took from a record is discarded first.

#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>

using namespace design;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray EncodeOrAbort(TGSurfaceObjects& surface)
{
    surface.ClearAllData();
    QByteArray bytes;
    Require(TGLabelObjectFiler::EncodeObjects(surface.Objects(), bytes).IsOk());
    return bytes;
}

void CheckDesignFile(QByteArrayView input)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    if (!TGLabelObjectFiler().DecodeObjects(input, owner, surface))
        return;
    const QByteArray first = EncodeOrAbort(surface);
    TGDesignOwner secondOwner;
    TGSurfaceObjects again(TGClassSet::AllClasses());
    Require(TGLabelObjectFiler().DecodeObjects(first, secondOwner, again).IsOk());
    Require(EncodeOrAbort(again) == first);
}

QByteArray EncodeReportOrAbort(TGSurfaceObjects (&bands)[3], const TGReportData& data)
{
    for (TGSurfaceObjects& band : bands)
        band.ClearAllData();
    QByteArray bytes;
    Require(TGLabelObjectFiler::EncodeReport(bands[0], bands[1], bands[2], data, bytes).IsOk());
    return bytes;
}

void CheckReportFile(QByteArrayView input)
{
    const TGClassSet& classes = TGClassSet::AllClasses();
    TGDesignOwner owner;
    TGSurfaceObjects bands[3] = {TGSurfaceObjects(classes), TGSurfaceObjects(classes), TGSurfaceObjects(classes)};
    TGReportData data;
    if (!TGLabelObjectFiler().DecodeReport(input, owner, bands[0], bands[1], bands[2], data))
        return;
    const QByteArray first = EncodeReportOrAbort(bands, data);
    TGDesignOwner secondOwner;
    TGSurfaceObjects again[3] = {TGSurfaceObjects(classes), TGSurfaceObjects(classes), TGSurfaceObjects(classes)};
    TGReportData secondData;
    Require(TGLabelObjectFiler().DecodeReport(first, secondOwner, again[0], again[1], again[2], secondData).IsOk());
    Require(EncodeReportOrAbort(again, secondData) == first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckDesignFile(input);
    CheckReportFile(input);
    return 0;
}
