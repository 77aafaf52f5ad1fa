#include "labels/label_font_preferences.h"

#include "store/ini_file.h"

namespace labels {

namespace {

const QString kName = QStringLiteral("DefaultFontName");
const QString kSize = QStringLiteral("DefaultFontSize");
const QString kBold = QStringLiteral("DefaultFontBold");
const QString kItalic = QStringLiteral("DefaultFontItalic");

QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

TLabelFontPreferences TLabelFontPreferences::Load(const quorvel::TIniFile& ini, const QString& section)
{
    TLabelFontPreferences prefs;
    prefs.name = ini.readString(section, kName, prefs.name);
    prefs.size = ini.readInteger(section, kSize, prefs.size);
    prefs.bold = ini.readBool(section, kBold, prefs.bold);
    prefs.italic = ini.readBool(section, kItalic, prefs.italic);
    return prefs;
}

bool TLabelFontPreferences::Save(quorvel::TIniFile& ini, const QString& section) const
{
    return ini.write({{section, kName, name},
                      {section, kSize, QString::number(size)},
                      {section, kBold, Flag(bold)},
                      {section, kItalic, Flag(italic)}});
}

design::TGFont TLabelFontPreferences::DesignFont(int pixelsPerInch) const
{
    design::TGFont font = design::TGFont::Make(name, size, pixelsPerInch, design::clBlack);
    if (bold)
        font.Style = font.Style.With(design::TFontStyle::fsBold);
    if (italic)
        font.Style = font.Style.With(design::TFontStyle::fsItalic);
    return font;
}

} // namespace labels
