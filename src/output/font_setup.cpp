#include "output/font_setup.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QStringList>

namespace output {

namespace {

// Debian's fonts-wine keeps Wingdings, Symbol, Webdings, Tahoma and MS Sans
// Serif outside the fontconfig path; the program loads them itself.
void addWineFonts()
{
    const QDir folder(QStringLiteral("/usr/share/wine/fonts"));
    const QStringList files = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files);
    for (const QString& file : files)
        QFontDatabase::addApplicationFont(folder.filePath(file));
}

// fontconfig already aliases these on Debian; saying so here keeps the choice
// the same where its configuration differs.
void addSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
}

} // namespace

void EnsureDesignFonts()
{
    static bool done = false;
    if (done || QGuiApplication::instance() == nullptr)
        return;
    done = true;
    addWineFonts();
    addSubstitutes();
}

QFont MakeQFont(const TFontSpec& spec, double pixels, const QPaintDevice& device)
{
    EnsureDesignFonts();
    QFont font(spec.name);
    const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    font.setPointSizeF(pixels > 0.0 ? pixels * 72.0 / dpi : 1.0);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    font.setFixedPitch(spec.fixedPitch);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

} // namespace output
