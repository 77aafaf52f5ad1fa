#include "ui/placement_rules.h"

#include "store/ini_file.h"

namespace quorvel {

namespace {

// Moves [low, high) back inside [0, limit) as far as it can.
void fitSpan(int* low, int* high, int limit)
{
    if (limit <= 0 || *high <= limit)
        return;
    *low += limit - *high;
    *high = limit;
    if (*low < 0)
        *low = 0;
}

} // namespace

TPlacement TPlacement::fromRect(const QRect& rect, bool maximized)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height(), maximized};
}

QString placementSection(const QString& className, int dpi)
{
    const QString section = className + QStringLiteral("_Placement");
    return dpi > 96 ? section + QString::number(dpi) : section;
}

TPlacement readPlacement(const TIniFile& ini, const QString& section, bool designedMaximized)
{
    const TIniDocument document = ini.read();
    const auto integer = [&](const QString& key, int fallback) {
        const std::optional<QString> text = document.value(section, key);
        return text ? parseIniInteger(*text).value_or(fallback) : fallback;
    };
    TPlacement placement;
    placement.left = integer(QStringLiteral("Left"), 0);
    placement.top = integer(QStringLiteral("Top"), 0);
    placement.right = integer(QStringLiteral("Right"), 0);
    placement.bottom = integer(QStringLiteral("Bottom"), 0);
    placement.maximized = integer(QStringLiteral("Maximized"), designedMaximized ? 1 : 0) != 0;
    return placement;
}

bool writePlacement(TIniFile& ini, const QString& section, const TPlacement& placement)
{
    return ini.write({
        {section, QStringLiteral("Left"), QString::number(placement.left)},
        {section, QStringLiteral("Top"), QString::number(placement.top)},
        {section, QStringLiteral("Right"), QString::number(placement.right)},
        {section, QStringLiteral("Bottom"), QString::number(placement.bottom)},
        {section, QStringLiteral("Maximized"), placement.maximized ? QStringLiteral("1") : QStringLiteral("0")},
    });
}

TPlacement fitToDesktop(TPlacement placement, const QSize& desktop)
{
    fitSpan(&placement.left, &placement.right, desktop.width());
    fitSpan(&placement.top, &placement.bottom, desktop.height());
    return placement;
}

} // namespace quorvel
