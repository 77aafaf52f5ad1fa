#include "design/dialogs/symbol_choice.h"

#include "design/model/windows1252.h"

namespace design {

int SymbolColumns(int pointSize)
{
    struct TBand {
        int from;
        int to;
        int columns;
    };
    static constexpr TBand kBands[] = {{6, 10, 14},  {11, 20, 10}, {21, 30, 8}, {31, 40, 6},
                                       {41, 50, 4}, {51, 60, 3},  {61, 72, 2}};
    for (const TBand& band : kBands)
        if (pointSize >= band.from && pointSize <= band.to)
            return band.columns;
    return 1;
}

int SymbolIndexOfCaption(const QString& caption)
{
    const auto bytes = toWindows1252(caption.left(1));
    if (!bytes || bytes->isEmpty())
        return 0;
    const int code = static_cast<unsigned char>(bytes->at(0));
    return code >= kFirstSymbolCode ? code - kFirstSymbolCode : 0;
}

QString SymbolOfIndex(int index)
{
    const char byte = static_cast<char>((index + kFirstSymbolCode) & 0xFF);
    return fromWindows1252(QByteArrayView(&byte, 1));
}

QString SymbolFontCaption(const QString& family, int pointSize, bool bold, bool italic)
{
    QString caption = family + QStringLiteral(", ") + QString::number(pointSize) + QStringLiteral("pt ");
    if (italic)
        caption += QStringLiteral("Italic ");
    else if (bold)
        caption += QStringLiteral("Bold ");
    return caption;
}

} // namespace design
