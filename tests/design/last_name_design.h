#pragma once

// A design file for the run tests: one field object showing the record's
// last name in Arial, so that each printed piece says which record it is.
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/data_label.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"

#include <QRect>
#include <QString>

#include <memory>

namespace design_testing {

// The field at `bounds` (pixels at 96 an inch) on a surface taking
// `classes`, saved to `path`; false when it could not be written.
inline bool WriteLastNameDesign(const QString& path, const design::TGClassSet& classes, const QRect& bounds,
                                int points)
{
    design::TGDesignOwner owner(96);
    design::TGSurfaceObjects surface(classes);
    auto field = std::make_unique<design::TGPDLabel>(owner);
    field->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    design::TGFont font;
    font.Name = QStringLiteral("Arial");
    font.Height = design::TGFont::HeightForPoints(points, 96);
    field->SetFont(font);
    field->BindField(QStringLiteral("LNAME"), QStringLiteral("Last Name"));
    surface.Add(std::move(field));
    return design::TGLabelObjectFiler().SaveSurface(surface, path).IsOk();
}

} // namespace design_testing
