#pragma once

#include "design/model/design_font.h"

#include <QString>

namespace quorvel {
class TIniFile;
}

namespace labels {

// The font new text objects of a label design start with, kept in the
// settings file's "Label" section (DefaultFontName, DefaultFontSize,
// DefaultFontBold, DefaultFontItalic).
struct TLabelFontPreferences {
    QString name = QStringLiteral("Arial");
    int size = 10; // points
    bool bold = false;
    bool italic = false;

    static TLabelFontPreferences Load(const quorvel::TIniFile& ini);
    // All four keys in one write; false (the file unchanged) when it failed.
    bool Save(quorvel::TIniFile& ini) const;

    // As a design font at the screen's resolution, in black.
    design::TGFont DesignFont(int pixelsPerInch) const;
};

} // namespace labels
