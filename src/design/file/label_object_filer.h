#pragma once

#include "design/file/filer_status.h"
#include "design/file/report_data.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace design {

class TGDesignOwner;
class TGGraphicControl;
class TGSurfaceObjects;

struct TGCloneResult {
    TGFilerStatus status;
    TGGraphicControl* copy = nullptr;
};

// Writes the objects of surfaces into design files and reads them back. A
// short-lived object for one operation. Reading is all or nothing: when a
// file turns out damaged, the error is returned and the surfaces keep the
// objects they had. Objects read are named "Component" N by their owner,
// placed on top of the surface in file order, then initialised (Loaded).
//
// The byte format: a design file is TagList, one record per object in
// painting order (backmost first), TagEnd. A record is "TPF0", the class
// name and the object name as short strings, the stored properties (name,
// tagged value) up to TagEnd, and an empty child list (TagEnd). A report
// design file holds three such lists followed by a list of report data.
class TGLabelObjectFiler {
public:
    // Creates or replaces the file with all objects of the surface.
    TGFilerStatus SaveSurface(const TGSurfaceObjects& surface, const QString& path);
    // Reads the file's objects onto the surface; a missing file reads nothing.
    TGFilerStatus LoadSurface(TGDesignOwner& owner, TGSurfaceObjects& surface, const QString& path);
    // Writes the selected objects in selection order; nothing when none is selected.
    TGFilerStatus SaveSelection(const std::vector<TGGraphicControl*>& selection, const QString& path);
    // Reads like LoadSurface, moving each object 15 pixels right and down.
    TGFilerStatus PasteFromFile(TGDesignOwner& owner, TGSurfaceObjects& surface, const QString& path);
    TGFilerStatus SaveObject(TGGraphicControl& object, const QString& path);
    // Writes the object to memory and reads it back onto the surface, at the
    // same place, as a new object on top.
    TGCloneResult CloneObject(TGGraphicControl& object, TGDesignOwner& owner, TGSurfaceObjects& surface);

    TGFilerStatus SaveReportFile(const TGSurfaceObjects& bandA, const TGSurfaceObjects& bandB,
                                 const TGSurfaceObjects& bandC, const TGReportData& reportData, const QString& path);
    // A missing file reads nothing and leaves reportData as it was.
    TGFilerStatus LoadReportFile(TGDesignOwner& owner, TGSurfaceObjects& bandA, TGSurfaceObjects& bandB,
                                 TGSurfaceObjects& bandC, TGReportData& reportData, const QString& path);

    // The same formats in memory.
    static TGFilerStatus EncodeObjects(const std::vector<TGGraphicControl*>& objects, QByteArray& bytes);
    TGFilerStatus DecodeObjects(QByteArrayView bytes, TGDesignOwner& owner, TGSurfaceObjects& surface);
    static TGFilerStatus EncodeReport(const TGSurfaceObjects& bandA, const TGSurfaceObjects& bandB,
                                      const TGSurfaceObjects& bandC, const TGReportData& reportData,
                                      QByteArray& bytes);
    TGFilerStatus DecodeReport(QByteArrayView bytes, TGDesignOwner& owner, TGSurfaceObjects& bandA,
                               TGSurfaceObjects& bandB, TGSurfaceObjects& bandC, TGReportData& reportData);

private:
    TGFilerStatus ReadFile(const QString& path, TGDesignOwner& owner, TGSurfaceObjects& surface);

    bool pasting_ = false;
};

} // namespace design
