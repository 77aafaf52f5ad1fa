#pragma once

#include <QColor>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The character and paragraph properties RTF text sets, as the reader keeps
// them while it reads, and how they become QTextDocument formats. RTF counts
// lengths in twips, the document in pixels at 96 to the inch: the text
// layout's own resolution, at which it scales none of them (it takes some
// lengths as device pixels and scales others from 96 dpi), so that an
// editor on the screen and the letter's pages lay them out alike.
namespace letters::rtf {

inline constexpr qreal kTwipsPerUnit = 15.0;
inline constexpr int kDefaultHalfPoints = 24; // RTF's default size: 12 points

inline qreal Units(std::int64_t twips)
{
    return qreal(twips) / kTwipsPerUnit;
}

inline int Twips(qreal units)
{
    return int(std::lround(units * kTwipsPerUnit));
}

// A picture without a size of its own shows its pixels at 96 to the inch.
inline constexpr qreal kUnitsPerPixel = 1.0;

// \sl with \slmult1 counts 240ths of a line; the document counts percent.
inline constexpr int kSingleLineSpacing = 240;

enum class Vertical { Normal, Super, Sub };

struct CharState {
    int font = -1; // -1: the default font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false, italic = false, underline = false, strike = false;
    int color = 0, background = 0; // colour table indexes; 0: automatic
    Vertical vertical = Vertical::Normal;

    bool operator==(const CharState&) const = default;
};

struct TabStop {
    QTextOption::TabType type = QTextOption::LeftTab;
    std::int32_t position = 0;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    std::int32_t firstIndent = 0, leftIndent = 0, rightIndent = 0;
    std::int32_t spaceBefore = 0, spaceAfter = 0;
    std::int32_t lineSpacing = 0;
    bool lineMultiple = false;
    std::vector<TabStop> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    bool pageBreakBefore = false;
    bool inTable = false;
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the file's code page
};

using TFontTable = std::unordered_map<int, FontEntry>;

QTextCharFormat CharFormatOf(
    const CharState& chars, const TFontTable& fonts, int defaultFont, const std::vector<QColor>& colors);

QTextBlockFormat BlockFormatOf(const ParagraphState& paragraph);

} // namespace letters::rtf
