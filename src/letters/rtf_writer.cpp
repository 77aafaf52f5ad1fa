#include "letters/rtf_writer.h"

#include "design/model/windows1252.h"
#include "letters/rtf_charsets.h"
#include "letters/rtf_formats.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace letters {

namespace {

// Picture data is broken into lines of this many hex digits.
constexpr qsizetype kHexPerLine = 128;

// The Windows-1252 byte of each character above ASCII that has one.
const std::unordered_map<char16_t, unsigned char>& Windows1252Bytes()
{
    static const std::unordered_map<char16_t, unsigned char> bytes = [] {
        std::unordered_map<char16_t, unsigned char> table;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = char(byte);
            const QString decoded = design::fromWindows1252(QByteArrayView(&c, 1));
            // The five bytes Windows-1252 leaves undefined decode to C1
            // controls, which are no text to write.
            if (decoded.size() == 1 && decoded[0].unicode() >= 0xA0)
                table.emplace(decoded[0].unicode(), static_cast<unsigned char>(byte));
        }
        return table;
    }();
    return bytes;
}

// What a character looks like, every property resolved against the
// document's default font.
struct CharLook {
    int font = 0;
    int halfPoints = rtf::kDefaultHalfPoints;
    bool bold = false, italic = false, underline = false, strike = false;
    int color = 0, background = 0; // 0: automatic
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;

    bool operator==(const CharLook&) const = default;
};

class TWriter {
public:
    TWriter(const QTextDocument& document, const TLetterPage& page)
        : document_(document)
        , page_(page)
    {
    }

    QByteArray Write();

private:
    void CollectTables();
    int FontIndex(const QString& family);
    int ColorIndex(const QBrush& brush);
    QString FamilyOf(const QTextCharFormat& format) const;
    CharLook LookOf(const QTextCharFormat& format);
    void Header();
    void Paragraph(const QTextBlock& block);
    void ParagraphProperties(const QTextBlockFormat& format);
    void FullLook(const CharLook& look);
    void LookChanges(const CharLook& from, const CharLook& to);
    void Text(const QString& text);
    void Picture(const QTextImageFormat& format);
    void Escaped(const QString& text);

    const QTextDocument& document_;
    const TLetterPage page_;
    QByteArray out_;
    QStringList fonts_;
    std::unordered_map<QString, int> fontIndexes_;
    std::vector<QColor> colors_;
    std::unordered_map<QRgb, int> colorIndexes_; // index 0 is "automatic"
    bool delimit_ = false;
};

QByteArray TWriter::Write()
{
    CollectTables();
    Header();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
        Paragraph(block);
    out_ += '}';
    return out_;
}

QString TWriter::FamilyOf(const QTextCharFormat& format) const
{
    QString family = format.fontFamilies().toStringList().value(0);
    if (family.isEmpty())
        family = document_.defaultFont().family();
    // As the font table can hold it: a semicolon would end the name there.
    return family.remove(QLatin1Char(';')).removeIf(rtf::IsOutsideFontName).trimmed();
}

int TWriter::FontIndex(const QString& family)
{
    const auto [entry, added] = fontIndexes_.try_emplace(family, int(fonts_.size()));
    if (added)
        fonts_.append(family);
    return entry->second;
}

int TWriter::ColorIndex(const QBrush& brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QColor color = brush.color().toRgb();
    const auto [entry, added] = colorIndexes_.try_emplace(color.rgb(), int(colors_.size()) + 1);
    if (added)
        colors_.push_back(color);
    return entry->second;
}

CharLook TWriter::LookOf(const QTextCharFormat& format)
{
    CharLook look;
    look.font = FontIndex(FamilyOf(format));
    qreal size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                : document_.defaultFont().pointSizeF();
    if (size <= 0)
        size = rtf::kDefaultHalfPoints / 2.0;
    look.halfPoints = std::max(1, int(std::lround(size * 2)));
    look.bold = format.fontWeight() >= QFont::DemiBold;
    look.italic = format.fontItalic();
    look.underline = format.fontUnderline();
    look.strike = format.fontStrikeOut();
    look.color = ColorIndex(format.foreground());
    look.background = ColorIndex(format.background());
    look.vertical = format.verticalAlignment();
    if (look.vertical != QTextCharFormat::AlignSuperScript && look.vertical != QTextCharFormat::AlignSubScript)
        look.vertical = QTextCharFormat::AlignNormal;
    return look;
}

void TWriter::CollectTables()
{
    // Tables list what the text uses, in the order of first use, so the same
    // document always numbers its fonts and colours the same way.
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        LookOf(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            LookOf(it.fragment().charFormat());
    }
    if (fonts_.isEmpty())
        FontIndex(document_.defaultFont().family());
}

void TWriter::Header()
{
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\r\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        Escaped(fonts_[i]);
        out_ += ";}";
    }
    out_ += "}\r\n";
    if (!colors_.empty()) {
        out_ += "{\\colortbl;";
        for (const QColor& color : colors_) {
            out_ += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) + "\\blue"
                + QByteArray::number(color.blue()) + ';';
        }
        out_ += "}\r\n";
    }
    out_ += "\\paperw" + QByteArray::number(page_.paperWidth) + "\\paperh" + QByteArray::number(page_.paperHeight)
        + "\\margl" + QByteArray::number(page_.marginLeft) + "\\margr" + QByteArray::number(page_.marginRight)
        + "\\margt" + QByteArray::number(page_.marginTop) + "\\margb" + QByteArray::number(page_.marginBottom);
    if (page_.landscape)
        out_ += "\\landscape";
    out_ += "\r\n";
}

void TWriter::Paragraph(const QTextBlock& block)
{
    delimit_ = false;
    out_ += "\\pard";
    ParagraphProperties(block.blockFormat());
    // The paragraph mark's look stands outside the runs, which are groups
    // holding only what differs from it.
    const CharLook mark = LookOf(block.charFormat());
    out_ += "\\plain";
    FullLook(mark);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const CharLook look = LookOf(format);
        const bool grouped = !(look == mark);
        if (grouped) {
            out_ += '{';
            LookChanges(mark, look);
        }
        if (format.isImageFormat()) {
            for (qsizetype i = 0; i < fragment.length(); ++i)
                Picture(format.toImageFormat());
            delimit_ = false;
        } else {
            Text(fragment.text());
        }
        if (grouped) {
            out_ += '}';
            delimit_ = false;
        }
    }
    out_ += "\\par\r\n";
}

void TWriter::ParagraphProperties(const QTextBlockFormat& format)
{
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignRight)
        out_ += "\\qr";
    else if (alignment & Qt::AlignHCenter)
        out_ += "\\qc";
    else if (alignment & Qt::AlignJustify)
        out_ += "\\qj";
    else
        out_ += "\\ql";
    const auto length = [this](const char* word, qreal units) {
        const int twips = rtf::Twips(units);
        if (twips != 0)
            out_ += QByteArray(word) + QByteArray::number(twips);
    };
    length("\\fi", format.textIndent());
    length("\\li", format.leftMargin());
    length("\\ri", format.rightMargin());
    length("\\sb", format.topMargin());
    length("\\sa", format.bottomMargin());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight: {
        const int spacing = int(std::lround(format.lineHeight() * rtf::kSingleLineSpacing / 100.0));
        if (spacing != rtf::kSingleLineSpacing && spacing > 0)
            out_ += "\\sl" + QByteArray::number(spacing) + "\\slmult1";
        break;
    }
    case QTextBlockFormat::FixedHeight:
        if (rtf::Twips(format.lineHeight()) > 0)
            out_ += "\\sl-" + QByteArray::number(rtf::Twips(format.lineHeight())) + "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        if (rtf::Twips(format.lineHeight()) > 0)
            out_ += "\\sl" + QByteArray::number(rtf::Twips(format.lineHeight())) + "\\slmult0";
        break;
    default:
        break;
    }
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out_ += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            out_ += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            out_ += "\\tqdec";
        out_ += "\\tx" + QByteArray::number(rtf::Twips(tab.position));
    }
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        out_ += "\\pagebb";
}

void TWriter::FullLook(const CharLook& look)
{
    LookChanges(CharLook { -1, -1 }, look);
}

void TWriter::LookChanges(const CharLook& from, const CharLook& to)
{
    const qsizetype before = out_.size();
    const auto mark = qScopeGuard([&] { delimit_ = delimit_ || out_.size() > before; });
    if (to.font != from.font)
        out_ += "\\f" + QByteArray::number(to.font);
    if (to.halfPoints != from.halfPoints)
        out_ += "\\fs" + QByteArray::number(to.halfPoints);
    if (to.bold != from.bold)
        out_ += to.bold ? "\\b" : "\\b0";
    if (to.italic != from.italic)
        out_ += to.italic ? "\\i" : "\\i0";
    if (to.underline != from.underline)
        out_ += to.underline ? "\\ul" : "\\ulnone";
    if (to.strike != from.strike)
        out_ += to.strike ? "\\strike" : "\\strike0";
    if (to.color != from.color)
        out_ += "\\cf" + QByteArray::number(to.color);
    if (to.background != from.background)
        out_ += "\\highlight" + QByteArray::number(to.background);
    if (to.vertical != from.vertical) {
        if (to.vertical == QTextCharFormat::AlignSuperScript)
            out_ += "\\super";
        else if (to.vertical == QTextCharFormat::AlignSubScript)
            out_ += "\\sub";
        else
            out_ += "\\nosupersub";
    }
}

void TWriter::Text(const QString& text)
{
    // The blank that ends the control words before the text.
    if (delimit_)
        out_ += ' ';
    delimit_ = false;
    Escaped(text);
}

void TWriter::Escaped(const QString& text)
{
    static const char hexDigits[] = "0123456789abcdef";
    const auto& windows1252 = Windows1252Bytes();
    bool afterUnicode = false;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        const bool unicode = afterUnicode;
        afterUnicode = false;
        if (rtf::IsControlCharacter(c)) {
            // No text; the reader drops them too.
            afterUnicode = unicode;
        } else if (unit == '\\' || unit == '{' || unit == '}') {
            out_ += '\\';
            out_ += char(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            // Some readers take all the text after \uN as its fallback; an
            // empty group ends the fallback for them too.
            if (unicode)
                out_ += "{}";
            out_ += char(unit);
        } else if (unit == '\t') {
            out_ += "\\tab ";
        } else if (unit == QChar::LineSeparator || unit == QChar::ParagraphSeparator) {
            out_ += "\\line ";
        } else if (unit == 0x00A0) {
            out_ += "\\~";
        } else if (unit == 0x00AD) {
            out_ += "\\-";
        } else if (unit == 0x2011) {
            out_ += "\\_";
        } else if (const auto byte = windows1252.find(unit); byte != windows1252.end()) {
            out_ += "\\'";
            out_ += hexDigits[byte->second >> 4];
            out_ += hexDigits[byte->second & 0xF];
        } else if (unit >= 0x80) {
            // Signed 16 bits, as RTF readers expect; '?' for readers
            // without Unicode.
            out_ += "\\u" + QByteArray::number(qint16(unit)) + '?';
            afterUnicode = true;
        }
    }
}

void TWriter::Picture(const QTextImageFormat& format)
{
    const QVariant resource = document_.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QByteArray bytes;
    QImage image;
    if (resource.userType() == QMetaType::QByteArray) {
        bytes = resource.toByteArray();
        image.loadFromData(bytes);
    } else if (resource.userType() == QMetaType::QImage) {
        image = resource.value<QImage>();
    }
    if (image.isNull())
        return;
    const bool png = bytes.startsWith("\x89PNG");
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    if (!png && !jpeg) {
        // A picture Qt holds in another form is stored as PNG.
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    // A goal of 0 twips would mean "the picture's own size" to a reader.
    const qreal width = format.width() > 0 ? format.width() : image.width() * rtf::kUnitsPerPixel;
    const qreal height = format.height() > 0 ? format.height() : image.height() * rtf::kUnitsPerPixel;
    out_ += "{\\pict";
    out_ += jpeg ? "\\jpegblip" : "\\pngblip";
    out_ += "\\picw" + QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) + "\\picwgoal"
        + QByteArray::number(std::max(1, rtf::Twips(width))) + "\\pichgoal"
        + QByteArray::number(std::max(1, rtf::Twips(height)));
    const QByteArray hex = bytes.toHex();
    for (qsizetype at = 0; at < hex.size(); at += kHexPerLine) {
        out_ += "\r\n";
        out_ += hex.mid(at, kHexPerLine);
    }
    out_ += '}';
}

} // namespace

QByteArray WriteRtf(const QTextDocument& document, const TLetterPage& page)
{
    return TWriter(document, page).Write();
}

} // namespace letters
