#pragma once

#include "design/model/design_font.h"
#include "design/model/object_menu.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class QPainter;

namespace output {
class TBaseReport;
}

namespace design {

class TGDesignOwner;
class TGPropertyList;
class TGSurfaceObjects;

// Left, top, width and height in surface pixels. Kept as four plain integers
// (not a rectangle of corners) so that any values a design file holds are
// representable without overflow.
struct TGBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TGBounds&, const TGBounds&) = default;
};

// The base of every design object: a rectangle on a design surface in screen
// pixels at zoom 1.0, a few flags, and the operations that surfaces and print
// drivers call on every object. Objects are plain C++ objects: the surface
// (TGSurfaceObjects) holds them in painting order and the owner (the
// designer window's TGDesignOwner) keeps their names unique.
//
// Screen painting (Paint) and printing (PrintTo) are the drawing interface of
// every class; the base draws nothing, and each class overrides them in the
// painting code of its own kind.
class TGGraphicControl {
public:
    explicit TGGraphicControl(TGDesignOwner& owner);
    virtual ~TGGraphicControl();
    TGGraphicControl(const TGGraphicControl&) = delete;
    TGGraphicControl& operator=(const TGGraphicControl&) = delete;

    // The class name written into design files ("TGLineShape").
    virtual QByteArray ClassName() const = 0;

    TGDesignOwner* Owner() const { return owner_; }
    TGSurfaceObjects* Parent() const { return parent_; }
    const QString& Name() const { return name_; }
    // Refused (false) when another object of the owner has the name; an
    // empty name is always accepted.
    bool SetName(const QString& name);

    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    const TGBounds& Bounds() const { return bounds_; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    void SetBounds(int left, int top, int width, int height);
    std::int16_t Cursor() const { return cursor_; }
    void SetCursor(std::int16_t cursor) { cursor_ = cursor; }
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    bool Unselectable() const { return unselectable_; }
    void SetUnselectable(bool unselectable);

    int PixelsPerInch() const;
    float ZoomFactor() const { return zoom_; }
    // Rescales the bounds by new / current factor, each rounded half to even.
    void SetZoom(float factor);

    // The operations every class may extend.
    virtual void BoundsChanged();
    virtual void ApplyFont(const TGFont& font);
    virtual void ShowData();
    virtual void ClearData();
    virtual void AdvanceCounter();
    virtual void ResetCounter();
    virtual void PrintTo(output::TBaseReport& report, double xOffset, double yOffset);
    virtual void Paint(QPainter& painter);
    // Called once after the object was read from a design file.
    virtual void Loaded();
    // The persisted properties in the order they are written.
    virtual void DefineProperties(TGPropertyList& list);
    // The object's right-click menu, built afresh each time it opens so that
    // its check marks show the current state. The base gives the commands
    // every object has; each class adds (or takes out) its own after them.
    virtual TGMenuItems MenuItems(TGMenuHost& host);

    // The object commands that need no surface window.
    void ToggleLocked();
    void MakeUnselectable();
    void CenterVertically(int surfaceHeight);
    void CenterHorizontally(int surfaceWidth);

    // While reading, property changes neither notify nor run BoundsChanged.
    bool IsReading() const { return reading_; }
    void SetReading(bool reading) { reading_ = reading; }

    // Blank-only trimming used by the text classes.
    static QString TrimLeadingBlanks(const QString& text);
    static QString TrimTrailingBlanks(const QString& text);
    static QString TrimBlanks(const QString& text);

protected:
    // Fires the surface's change notification (not while reading).
    void Changed();

private:
    friend class TGSurfaceObjects;
    friend class TGDesignOwner;
    void SetParent(TGSurfaceObjects* parent) { parent_ = parent; }
    void DetachOwner() { owner_ = nullptr; }

    TGDesignOwner* owner_;
    TGSurfaceObjects* parent_ = nullptr;
    QString name_;
    std::int32_t tag_ = 0;
    TGBounds bounds_;
    std::int16_t cursor_ = 0;
    QString hint_;
    bool locked_ = false;
    bool unselectable_ = false;
    float zoom_ = 1.0f;
    TGBounds lastBounds_;
    bool reading_ = false;
    bool inBoundsChanged_ = false;
};

} // namespace design
