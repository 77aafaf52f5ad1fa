#pragma once

#include "design/model/design_font.h"

#include <QString>

namespace quorvel {
class TIniFile;
}

namespace labels {

// The font new text objects of a design start with, kept in the settings
// file's section of the designer ("Label", "Envelope") under the keys
// DefaultFontName, DefaultFontSize, DefaultFontBold and DefaultFontItalic.
struct TLabelFontPreferences {
    static inline const QString kLabelSection = QStringLiteral("Label");

    QString name = QStringLiteral("Arial");
    int size = 10; // points
    bool bold = false;
    bool italic = false;

    static TLabelFontPreferences Load(const quorvel::TIniFile& ini, const QString& section = kLabelSection);
    // All four keys in one write; false (the file unchanged) when it failed.
    bool Save(quorvel::TIniFile& ini, const QString& section = kLabelSection) const;

    // As a design font at the screen's resolution, in black.
    design::TGFont DesignFont(int pixelsPerInch) const;
};

} // namespace labels
