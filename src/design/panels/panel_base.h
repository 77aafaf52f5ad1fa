#pragma once

#include "design/file/filer_status.h"
#include "design/file/object_clipboard.h"
#include "design/model/design_font.h"
#include "design/model/surface_objects.h"
#include "design/panels/handle_widget.h"
#include "design/surface/surface_background.h"
#include "design/surface/surface_rubber_band.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QMenu;

namespace output {
class TBaseReport;
}

namespace design {

class TGClassSet;
class TGDesignOwner;
class TGImage;

// A design surface: the window on which a label, an envelope or a report
// band is drawn. It paints the outline, background pictures and grid,
// holds the design objects, and lets the user create, select, move,
// resize, align, stack, lock, cut, copy, paste and delete them. Designers
// and print drivers use it to save, load, refresh, print and count.
class TGBasePanel : public QWidget, public TGSurfaceListener, public TGHandleHost {
    Q_OBJECT

public:
    // Objects are named within the owner; "Clipbrd.tmp" lives in the folder.
    TGBasePanel(TGDesignOwner& owner, const TGClassSet& acceptedClasses, const QString& clipboardFolder,
                QWidget* parent = nullptr);
    ~TGBasePanel() override;

    TGDesignOwner& Owner() const { return owner_; }
    TGSurfaceObjects& Objects() { return objects_; }
    const TGSurfaceObjects& Objects() const { return objects_; }
    TGHandle& Handle() { return *handle_; }
    const std::vector<TGGraphicControl*>& Selection() const { return handle_->Selection().Objects(); }
    const TGObjectClipboard& Clipboard() const { return clipboard_; }

    bool Pointing() const override { return pointing_; }
    void SetPointing(bool pointing) { pointing_ = pointing; }
    bool DrawOutline() const { return background_.DrawOutline; }
    void SetDrawOutline(bool draw);
    const QImage& Picture() const { return background_.Picture; }
    void SetPicture(const QImage& picture);
    const QImage& ColorPicture() const { return background_.ColorPicture; }
    void SetColorPicture(const QImage& picture);
    bool Printing() const { return printing_; }
    virtual void SetPrinting(bool printing);
    TLabelShapeType Shape() const { return background_.Shape; }
    void SetShape(TLabelShapeType shape);
    TGridSize GridSize() const { return background_.GridSize; }
    void SetGridSize(TGridSize size);
    bool ShowGrid() const { return background_.ShowGrid; }
    void SetShowGrid(bool show);
    bool SnapToGrid() const { return snapToGrid_; }
    void SetSnapToGrid(bool snap);

    float Zoom() const { return zoom_; }
    void SetZoom(float factor);

    // Design files; errors are shown to the user and returned.
    TGFilerStatus SaveToFile(const QString& path);
    TGFilerStatus LoadFromFile(const QString& path);
    void ClearObjects();
    void ClearAllData();
    void AdvanceAllCounters();
    void ResetAllCounters();
    // Places a new object in the rectangle (at least 10 x 15), named
    // "Special" N, and tells the designer.
    TGGraphicControl* AddObject(std::unique_ptr<TGGraphicControl> object, const QRect& rect);

    virtual void CreateObjectInRect(const QRect& rect);
    virtual void ObjectMouseDown(TGGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPoint surfacePoint);
    virtual void RefreshData();
    // Prints every object, back to front, with the surface's top-left
    // corner at the page position (in inches).
    virtual void PrintObjects(output::TBaseReport& report, double xOffset, double yOffset);
    virtual void KeepObjectsInside();
    virtual void RemoveObjectsOutside();

    // Selection.
    void SelectObject(TGGraphicControl* object, bool addToSelection);
    void ClearSelection();

    // The surface's menu commands.
    void BringToFrontClick();
    void SendToBackClick();
    void CutClick();
    void CopyClick();
    void PasteClick();
    void DeleteClick();
    void AlignLeftClick();
    void AlignRightClick();
    void AlignTopsClick();
    void AlignBottomsClick();
    void CenterVerticallyClick();
    void CenterHorizontallyClick();
    void LockAllClick();
    void UnlockAllClick();
    void MarkAllSelectableClick();
    void MarkAllUnselectableClick();
    void SelectAllClick();
    void FontClick();

    // The object commands of an object's own menu: they act on the whole
    // selection when the object is part of it.
    void BringObjectToFront(TGGraphicControl& object);
    void SendObjectToBack(TGGraphicControl& object);
    void CutObject(TGGraphicControl& object);
    void CopyObject(TGGraphicControl& object);
    void DeleteObject(TGGraphicControl& object);
    TGGraphicControl* CloneObject(TGGraphicControl& object);

    // The surface's font as a design font, for new text objects.
    TGFont NewObjectFont() const;

    // The surface's right-click menu, refreshed each time it opens.
    QMenu& SurfaceMenu();
    // The menu last opened for an object, for the designer and for tests.
    QMenu* ObjectMenu() const { return objectMenu_; }
    void OpenObjectMenu(TGGraphicControl& object, QPoint globalPoint);

    // "Load Image From Disk" of image objects, given by the designer.
    void SetImageLoader(std::function<void(TGImage&)> loader) { imageLoader_ = std::move(loader); }
    void LoadImageFromDisk(TGImage& image);

    // Milliseconds from a fixed start; tests put a clock of their own.
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    qint64 Now() const override { return clock_(); }

signals:
    // Something in the design changed: the designer marks it unsaved.
    void LabelChangedEvent();
    // An object was drawn with a creation tool in this rectangle.
    void DroppedObjectEvent(const QRect& rect);

protected:
    // Called for every object placed, read, pasted or cloned: the place for
    // a surface to give its objects what they need from it.
    virtual void HookObject(TGGraphicControl& object);
    void HookAllObjects();
    // The change notification, unless zooming or printing.
    void NotifyChanged();
    // Lets pending screen updates run.
    void ProcessPendingUpdates();
    void ShowError(const TGFilerStatus& status);
    // An open object menu would act on objects about to go: close it.
    void DiscardObjectMenu();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // TGSurfaceListener
    void ObjectChanged(TGGraphicControl& object) override;
    void ObjectBoundsChanged(TGGraphicControl& object) override;

    // TGHandleHost
    QSize SurfaceSize() const override { return size(); }
    void ShowFrameFeedback(const std::optional<QRect>& outline) override;
    void ForwardMouseEvent(QEvent::Type type, QPoint surfacePoint, Qt::MouseButton button, Qt::MouseButtons buttons,
                           Qt::KeyboardModifiers modifiers) override;
    void OpenMenuAt(QPoint surfacePoint, QPoint globalPoint, bool objectOnly) override;
    void FrameApplied() override;
    bool CommandKey(int key, Qt::KeyboardModifiers modifiers) override;

    // The mouse on the empty surface.
    virtual void SurfaceMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point,
                                  QPoint globalPoint);
    void SurfaceMouseMove(QPoint point);
    void SurfaceMouseUp(Qt::KeyboardModifiers modifiers);

private:
    void PaintObjects(QPainter& painter);
    void PaintFeedback(QPainter& painter);
    void RefitSelection();
    void SelectBand(const QRect& band, bool toggle);
    std::vector<TGGraphicControl*> TargetsOf(TGGraphicControl& object) const;
    void DeleteObjects(const std::vector<TGGraphicControl*>& objects);
    void CopyObjects(const std::vector<TGGraphicControl*>& objects);
    void AfterCommand();
    // Runs the work with the objects at zoom 1.0, then puts them back
    // exactly as they were on the screen.
    void WithActualSize(const std::vector<TGGraphicControl*>& objects, const std::function<void()>& work);

    TGDesignOwner& owner_;
    TGSurfaceObjects objects_;
    TGHandle* handle_;
    TGObjectClipboard clipboard_;
    TGSurfaceBackground background_;
    bool pointing_ = true;
    bool printing_ = false;
    bool snapToGrid_ = false;
    bool zooming_ = false;
    bool refitPosted_ = false;
    float zoom_ = 1.0f;
    QSize actualSize_; // the surface at 100 %
    TGRubberBand band_;
    TGPasteTimer pasteTimer_;
    std::optional<QRect> frameFeedback_;
    std::function<qint64()> clock_;
    QMenu* surfaceMenu_ = nullptr;
    QMenu* objectMenu_ = nullptr;
    std::function<void(TGImage&)> imageLoader_;
};

} // namespace design
