#include "design/file/label_object_filer.h"

#include "design/file/design_error.h"
#include "design/file/design_file_io.h"
#include "design/file/design_reader.h"
#include "design/file/design_writer.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"

namespace design {

namespace {

using TGObjectBatch = std::vector<std::unique_ptr<TGGraphicControl>>;

// Places the objects read on the surface and initialises them in order.
TGGraphicControl* Commit(TGObjectBatch& batch, TGSurfaceObjects& surface)
{
    TGGraphicControl* last = nullptr;
    std::vector<TGGraphicControl*> placed;
    for (auto& object : batch)
        placed.push_back(last = surface.Add(std::move(object)));
    batch.clear();
    for (TGGraphicControl* object : placed) {
        object->SetReading(false);
        object->Loaded();
    }
    return last;
}

TGFilerStatus Failure(const EDesignFileError& error) { return TGFilerStatus::Error(error.message(), error.offset()); }

// Everything is encoded before the file is touched, so text that cannot be
// stored leaves the previous file as it was.
TGFilerStatus WriteEncoded(const QString& path, const TGFilerStatus& encoded, const QByteArray& bytes)
{
    return encoded ? WriteDesignFileBytes(path, bytes) : encoded;
}

TGFilerStatus WriteObjects(const std::vector<TGGraphicControl*>& objects, const QString& path)
{
    QByteArray bytes;
    const TGFilerStatus encoded = TGLabelObjectFiler::EncodeObjects(objects, bytes);
    return WriteEncoded(path, encoded, bytes);
}

} // namespace

TGFilerStatus TGLabelObjectFiler::EncodeObjects(const std::vector<TGGraphicControl*>& objects, QByteArray& bytes)
{
    try {
        TGDesignWriter writer;
        writer.WriteObjectList(objects);
        bytes = writer.Bytes();
        return TGFilerStatus::Ok();
    } catch (const EDesignFileError& error) {
        return Failure(error);
    }
}

TGFilerStatus TGLabelObjectFiler::DecodeObjects(QByteArrayView bytes, TGDesignOwner& owner,
                                                TGSurfaceObjects& surface)
{
    try {
        TGDesignReader reader(bytes, owner, pasting_);
        TGObjectBatch batch = reader.ReadObjectList(surface.AcceptedClasses());
        Commit(batch, surface);
        return TGFilerStatus::Ok();
    } catch (const EDesignFileError& error) {
        return Failure(error);
    }
}

TGFilerStatus TGLabelObjectFiler::EncodeReport(const TGSurfaceObjects& bandA, const TGSurfaceObjects& bandB,
                                               const TGSurfaceObjects& bandC, const TGReportData& reportData,
                                               QByteArray& bytes)
{
    try {
        TGDesignWriter writer;
        for (const TGSurfaceObjects* band : {&bandA, &bandB, &bandC})
            writer.WriteObjectList(band->Objects());
        writer.WriteValueList(reportData);
        bytes = writer.Bytes();
        return TGFilerStatus::Ok();
    } catch (const EDesignFileError& error) {
        return Failure(error);
    }
}

TGFilerStatus TGLabelObjectFiler::DecodeReport(QByteArrayView bytes, TGDesignOwner& owner, TGSurfaceObjects& bandA,
                                               TGSurfaceObjects& bandB, TGSurfaceObjects& bandC,
                                               TGReportData& reportData)
{
    try {
        TGDesignReader reader(bytes, owner, pasting_);
        TGObjectBatch batchA = reader.ReadObjectList(bandA.AcceptedClasses());
        TGObjectBatch batchB = reader.ReadObjectList(bandB.AcceptedClasses());
        TGObjectBatch batchC = reader.ReadObjectList(bandC.AcceptedClasses());
        TGReportData data = reader.ReadValueList();
        Commit(batchA, bandA);
        Commit(batchB, bandB);
        Commit(batchC, bandC);
        reportData = std::move(data);
        return TGFilerStatus::Ok();
    } catch (const EDesignFileError& error) {
        return Failure(error);
    }
}

TGFilerStatus TGLabelObjectFiler::SaveSurface(const TGSurfaceObjects& surface, const QString& path)
{
    return WriteObjects(surface.Objects(), path);
}

TGFilerStatus TGLabelObjectFiler::SaveSelection(const std::vector<TGGraphicControl*>& selection,
                                                const QString& path)
{
    if (selection.empty())
        return TGFilerStatus::Ok();
    return WriteObjects(selection, path);
}

TGFilerStatus TGLabelObjectFiler::SaveObject(TGGraphicControl& object, const QString& path)
{
    return WriteObjects({&object}, path);
}

TGFilerStatus TGLabelObjectFiler::ReadFile(const QString& path, TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    QByteArray bytes;
    bool exists = false;
    const TGFilerStatus read = ReadDesignFileBytes(path, bytes, exists);
    if (!read || !exists)
        return read;
    return DecodeObjects(bytes, owner, surface);
}

TGFilerStatus TGLabelObjectFiler::LoadSurface(TGDesignOwner& owner, TGSurfaceObjects& surface, const QString& path)
{
    pasting_ = false;
    return ReadFile(path, owner, surface);
}

TGFilerStatus TGLabelObjectFiler::PasteFromFile(TGDesignOwner& owner, TGSurfaceObjects& surface,
                                                const QString& path)
{
    pasting_ = true;
    const TGFilerStatus status = ReadFile(path, owner, surface);
    pasting_ = false;
    return status;
}

TGCloneResult TGLabelObjectFiler::CloneObject(TGGraphicControl& object, TGDesignOwner& owner,
                                              TGSurfaceObjects& surface)
{
    QByteArray bytes;
    TGCloneResult result;
    result.status = EncodeObjects({&object}, bytes);
    if (!result.status)
        return result;
    try {
        pasting_ = false;
        TGDesignReader reader(bytes, owner, false);
        TGObjectBatch batch = reader.ReadObjectList(surface.AcceptedClasses());
        result.copy = Commit(batch, surface);
    } catch (const EDesignFileError& error) {
        result.status = Failure(error);
    }
    return result;
}

TGFilerStatus TGLabelObjectFiler::SaveReportFile(const TGSurfaceObjects& bandA, const TGSurfaceObjects& bandB,
                                                 const TGSurfaceObjects& bandC, const TGReportData& reportData,
                                                 const QString& path)
{
    QByteArray bytes;
    const TGFilerStatus encoded = EncodeReport(bandA, bandB, bandC, reportData, bytes);
    return WriteEncoded(path, encoded, bytes);
}

TGFilerStatus TGLabelObjectFiler::LoadReportFile(TGDesignOwner& owner, TGSurfaceObjects& bandA,
                                                 TGSurfaceObjects& bandB, TGSurfaceObjects& bandC,
                                                 TGReportData& reportData, const QString& path)
{
    pasting_ = false;
    QByteArray bytes;
    bool exists = false;
    const TGFilerStatus read = ReadDesignFileBytes(path, bytes, exists);
    if (!read || !exists)
        return read;
    return DecodeReport(bytes, owner, bandA, bandB, bandC, reportData);
}

} // namespace design
