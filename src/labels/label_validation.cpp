#include "labels/label_validation.h"

#include <array>
#include <cmath>

namespace labels {

namespace {

const std::array<TLengthField, 8> kEnteredLengths = {{
    {&TLabelGeometry::height, "Label Height"},
    {&TLabelGeometry::width, "Label Width"},
    {&TLabelGeometry::horizPitch, "Horizontal Pitch"},
    {&TLabelGeometry::vertPitch, "Vertical Pitch"},
    {&TLabelGeometry::leftMargin, "Left Margin"},
    {&TLabelGeometry::topMargin, "Top Margin"},
    {&TLabelGeometry::sheetWidth, "Paper Width"},
    {&TLabelGeometry::sheetDepth, "Paper Height"},
}};

void Require(bool condition, const char* message)
{
    if (!condition)
        throw EValid(QString::fromLatin1(message));
}

// Written so that a length that is no number at all fails too.
void RequireStorable(const TLengthField& field, double inches)
{
    const QString caption = QString::fromLatin1(field.caption);
    const double stored = StoredLength(inches);
    if (std::isnan(stored))
        throw EValid(caption + QStringLiteral(" is not a number"));
    if (stored < 0.0)
        throw EValid(caption + QStringLiteral(" cannot be negative"));
    if (!(stored <= kMaxStoredLength))
        throw EValid(caption + QStringLiteral(" must be at most 99.999 inches (2539.9mm)"));
}

} // namespace

std::span<const TLengthField> EnteredLengths() { return kEnteredLengths; }

double StoredLength(double inches) { return std::nearbyint(inches * 1000.0) / 1000.0; }

void ValidLabel(const TLabelGeometry& g)
{
    Require(!(g.height < 0.3), "Label Height must be at least .3 inches (or 7mm)");
    Require(!(g.width < 0.5), "Label Width must be at least .5 inch (or 13mm)");
    Require(!(g.across >= 2 && g.horizPitch < g.width), "Horizontal Pitch must be at least = Label Width");
    Require(!(g.down >= 2 && g.vertPitch < g.height), "Vertical Pitch must be at least = Label Height");
    Require(!(g.sheetWidth < 0.3), "Page Width must be at least .3 inch");
    Require(!(g.sheetDepth < 0.3), "Page Height must be at least .3 inches");
    for (const TLengthField& field : kEnteredLengths)
        RequireStorable(field, g.*(field.member));
    // The dialog's spin fields cannot leave these ranges; typed values can.
    Require(g.across >= 1 && g.across <= kMaxAcross, "# across must be from 1 to 10");
    Require(g.down >= 1 && g.down <= kMaxDown, "# down must be from 1 to 30");
}

} // namespace labels
