#include "labels/label_font_preferences.h"

#include "store/ini_file.h"

namespace labels {

namespace {

const QString kSection = QStringLiteral("Label");
const QString kName = QStringLiteral("DefaultFontName");
const QString kSize = QStringLiteral("DefaultFontSize");
const QString kBold = QStringLiteral("DefaultFontBold");
const QString kItalic = QStringLiteral("DefaultFontItalic");

QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

TLabelFontPreferences TLabelFontPreferences::Load(const quorvel::TIniFile& ini)
{
    TLabelFontPreferences prefs;
    prefs.name = ini.readString(kSection, kName, prefs.name);
    prefs.size = ini.readInteger(kSection, kSize, prefs.size);
    prefs.bold = ini.readBool(kSection, kBold, prefs.bold);
    prefs.italic = ini.readBool(kSection, kItalic, prefs.italic);
    return prefs;
}

bool TLabelFontPreferences::Save(quorvel::TIniFile& ini) const
{
    return ini.write({{kSection, kName, name},
                      {kSection, kSize, QString::number(size)},
                      {kSection, kBold, Flag(bold)},
                      {kSection, kItalic, Flag(italic)}});
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
