#include "design/model/graphic_control.h"

#include "design/model/design_owner.h"
#include "design/model/property_list.h"
#include "design/model/surface_objects.h"

#include <cmath>
#include <limits>

namespace design {

namespace {

// Round to nearest, halves to the even neighbour, held within int range.
int RoundScaled(int value, float ratio)
{
    const long double scaled = static_cast<long double>(value) * static_cast<long double>(ratio);
    const long double rounded = std::nearbyint(scaled); // default mode: to nearest, ties to even
    constexpr auto kMin = static_cast<long double>(std::numeric_limits<int>::min());
    constexpr auto kMax = static_cast<long double>(std::numeric_limits<int>::max());
    if (!(rounded >= kMin))
        return std::numeric_limits<int>::min();
    if (!(rounded <= kMax))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

bool UsableZoom(float factor) { return std::isfinite(factor) && factor > 0.0f; }

} // namespace

TGGraphicControl::TGGraphicControl(TGDesignOwner& owner) : owner_(&owner) { owner_->InsertComponent(this); }

TGGraphicControl::~TGGraphicControl()
{
    if (owner_)
        owner_->RemoveComponent(this);
}

bool TGGraphicControl::SetName(const QString& name)
{
    if (name.compare(name_, Qt::CaseInsensitive) != 0 && owner_ && owner_->NameInUse(name))
        return false;
    if (owner_)
        owner_->NameChanged(name_, name);
    name_ = name;
    return true;
}

void TGGraphicControl::SetBounds(int left, int top, int width, int height)
{
    const TGBounds bounds{left, top, width, height};
    if (bounds == bounds_)
        return;
    bounds_ = bounds;
    if (!reading_)
        BoundsChanged();
}

void TGGraphicControl::SetLocked(bool locked)
{
    locked_ = locked;
    Changed();
}

void TGGraphicControl::SetUnselectable(bool unselectable)
{
    unselectable_ = unselectable;
    Changed();
}

int TGGraphicControl::PixelsPerInch() const { return owner_ ? owner_->PixelsPerInch() : 96; }

void TGGraphicControl::SetZoom(float factor)
{
    if (!UsableZoom(factor) || factor == zoom_)
        return;
    const float current = UsableZoom(zoom_) ? zoom_ : 1.0f;
    const float ratio = factor / current;
    bounds_ = TGBounds{RoundScaled(Left(), ratio), RoundScaled(Top(), ratio), RoundScaled(Width(), ratio),
                       RoundScaled(Height(), ratio)};
    zoom_ = factor;
    BoundsChanged();
}

void TGGraphicControl::BoundsChanged()
{
    if (inBoundsChanged_ || reading_)
        return;
    inBoundsChanged_ = true;
    if (bounds_ != lastBounds_) {
        Changed();
        lastBounds_ = bounds_;
        if (parent_)
            parent_->ObjectBoundsChanged(*this);
    }
    inBoundsChanged_ = false;
}

void TGGraphicControl::ApplyFont(const TGFont&) {}
void TGGraphicControl::ShowData() {}
void TGGraphicControl::ClearData() {}
void TGGraphicControl::AdvanceCounter() {}
void TGGraphicControl::ResetCounter() {}
void TGGraphicControl::PrintTo(output::TBaseReport&, double, double) {}
void TGGraphicControl::Paint(QPainter&) {}

void TGGraphicControl::Loaded() { lastBounds_ = bounds_; }

void TGGraphicControl::DefineProperties(TGPropertyList& list)
{
    list.Integer("Tag", [this] { return Tag(); }, [this](std::int32_t v) { SetTag(v); }, 0);
    list.Integer("Left", [this] { return Left(); }, [this](std::int32_t v) { SetLeft(v); }, std::nullopt);
    list.Integer("Top", [this] { return Top(); }, [this](std::int32_t v) { SetTop(v); }, std::nullopt);
    list.Integer("Width", [this] { return Width(); }, [this](std::int32_t v) { SetWidth(v); }, std::nullopt);
    list.Integer("Height", [this] { return Height(); }, [this](std::int32_t v) { SetHeight(v); }, std::nullopt);
    list.Cursor("Cursor", [this] { return Cursor(); },
                [this](std::int32_t v) { SetCursor(static_cast<std::int16_t>(v)); });
    list.String("Hint", [this] { return Hint(); }, [this](const QString& v) { SetHint(v); });
    list.Boolean("Locked", [this] { return Locked(); }, [this](bool v) { SetLocked(v); }, std::nullopt);
    list.Boolean("Unselectable", [this] { return Unselectable(); }, [this](bool v) { SetUnselectable(v); },
                 std::nullopt);
}

void TGGraphicControl::ToggleLocked() { SetLocked(!locked_); }

void TGGraphicControl::MakeUnselectable() { SetUnselectable(true); }

void TGGraphicControl::CenterVertically(int surfaceHeight)
{
    SetTop(surfaceHeight / 2 - Height() / 2);
    Changed();
}

void TGGraphicControl::CenterHorizontally(int surfaceWidth)
{
    SetLeft(surfaceWidth / 2 - Width() / 2);
    Changed();
}

void TGGraphicControl::Changed()
{
    if (!reading_ && parent_)
        parent_->ObjectChanged(*this);
}

QString TGGraphicControl::TrimLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

QString TGGraphicControl::TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString TGGraphicControl::TrimBlanks(const QString& text) { return TrimLeadingBlanks(TrimTrailingBlanks(text)); }

} // namespace design
