#pragma once

#include <QByteArrayView>

// The RTF control words the reader acts on. Any other word is passed over.
namespace letters::rtf {

enum class Word {
    Unknown,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode,
    Binary,
    // destinations
    FontTable, ColorTable, Field, FieldInstruction, FieldResult, Picture,
    ShapePicture, UnicodeReplacement, UnicodeText, ListText, Skipped,
    // font and colour tables
    FontCharset, FontCodePage, Red, Green, Blue,
    // pictures
    PngBlip, JpegBlip, OtherBlip, PictureGoalWidth, PictureGoalHeight,
    PictureScaleX, PictureScaleY,
    // characters
    Font, FontSize, Bold, Italic, Underline, UnderlineNone, Strike, Color,
    Plain, Super, Sub, NoSuperSub, Highlight,
    // paragraphs
    ParagraphDefaults, Paragraph, Section, AlignLeft, AlignRight, AlignCenter,
    AlignJustify, FirstIndent, LeftIndent, RightIndent, SpaceBefore,
    SpaceAfter, LineSpacing, LineMultiple, TabPosition, TabRight, TabCenter,
    TabDecimal, PageBreakBefore, Page, Line, Tab, InTable, Cell, Row,
    // page
    PaperWidth, PaperHeight, MarginLeft, MarginRight, MarginTop,
    MarginBottom, Landscape,
    // characters spelt as words
    EmDash, EnDash, Bullet, LeftQuote, RightQuote, LeftDoubleQuote,
    RightDoubleQuote, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner,
    ZeroWidthNonJoiner,
};

Word LookUpWord(QByteArrayView name);

} // namespace letters::rtf
