#include "letters/rtf_reader.h"

#include "letters/rtf_charsets.h"
#include "letters/rtf_formats.h"
#include "letters/rtf_lexer.h"
#include "letters/rtf_picture.h"
#include "letters/rtf_words.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextImageFormat>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace letters {

namespace {

using rtf::CharState;
using rtf::FontEntry;
using rtf::ParagraphState;
using rtf::TabStop;
using rtf::TokenKind;
using rtf::TToken;
using rtf::Vertical;
using rtf::Word;

// Real files nest a few dozen groups; a deeper file is hostile and its
// deeper groups are passed over (their braces still counted).
constexpr std::size_t kMaxGroupDepth = 256;
// Tab stops per paragraph beyond any ruler's use.
constexpr std::size_t kMaxTabStops = 64;
constexpr qsizetype kMaxFontName = 256;
enum class Destination {
    Text, // the letter itself
    Skip, // read over, braces counted
    FontTable,
    ColorTable,
    Picture,
    Replacement // \upr: its plain part is skipped, its \ud part read
};

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    ParagraphState paragraph;
    int unicodeSkip = 1;
};

struct Run {
    QString text;
    QTextCharFormat format;
    bool image = false;
};

class TReader {
public:
    TReader(QTextCursor& cursor, bool replacing)
        : cursor_(cursor)
        , replacing_(replacing)
    {
    }

    TRtfReadResult Read(QByteArrayView rtf);

private:
    GroupState& State() { return stack_.back(); }
    void Token(const TToken& token);
    void OpenGroup();
    void CloseGroup();
    void ControlWord(const TToken& token, bool ignorable);
    bool DestinationWord(Word word);
    void DocumentWord(Word word, const TToken& token);
    bool CharacterWord(Word word, const TToken& token);
    bool ParagraphWord(Word word, const TToken& token);
    void PageWord(Word word, std::int32_t value);
    void FontTableWord(Word word, const TToken& token);
    void FlushFontNameBytes();
    void EndFontName();
    void ColorTableWord(Word word, const TToken& token);
    void Symbol(char symbol);
    void TextBytes(QByteArrayView bytes);
    void TableText(QByteArrayView bytes);
    void AppendBytes(QByteArrayView bytes);
    void AppendText(const QString& text);
    void BeforeText();
    void FlushBytes();
    void FlushRun();
    void EndParagraph();
    void InsertPicture();
    QTextCharFormat CharFormat(const CharState& chars) const
    {
        return rtf::CharFormatOf(chars, fonts_, defaultFont_, colors_);
    }
    int CodePageOf(int font) const;
    bool SkippingUnicodeFallback(const TToken& token);

    QTextCursor& cursor_;
    const bool replacing_;
    TRtfReadResult result_;
    TLetterPage page_;

    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool rootClosed_ = false;
    bool groupStart_ = false;
    bool ignorable_ = false;
    int unicodeToSkip_ = 0;

    int codePage_ = rtf::kDefaultCodePage;
    int defaultFont_ = 0;
    rtf::TFontTable fonts_;
    int fontBeingDefined_ = 0;
    QByteArray fontName_; // bytes of the name not yet decoded
    QString fontNameText_; // the name read so far
    std::size_t fontEntryDepth_ = 0; // the group of the entry being read
    std::vector<QColor> colors_;
    QColor colorBeingDefined_;
    bool colorHasComponent_ = false;
    rtf::TPicture picture_;

    // The paragraph being read: its runs wait for the \par that carries the
    // paragraph's properties.
    std::vector<Run> runs_;
    QString runText_;
    QByteArray runBytes_;
    CharState runState_;
    bool runOpen_ = false;
    int pendingCellTabs_ = 0;
    bool breakBeforeNext_ = false;
    bool firstParagraph_ = true;
};

TRtfReadResult TReader::Read(QByteArrayView rtf)
{
    if (!rtf.startsWith("{\\rtf")) {
        result_.error = QStringLiteral("The file is not an RTF file.");
        return result_;
    }
    result_.ok = true;
    stack_.reserve(kMaxGroupDepth);
    cursor_.beginEditBlock();
    rtf::TLexer lexer(rtf);
    for (TToken token = lexer.Next(); token.kind != TokenKind::End && !rootClosed_; token = lexer.Next())
        Token(token);
    if (!rootClosed_ && result_.error.isEmpty())
        result_.error = QStringLiteral("The RTF text ends early; what could be read is shown.");
    FlushRun();
    if (!runs_.empty())
        EndParagraph();
    cursor_.endEditBlock();
    result_.page = IsUsablePage(page_) ? page_ : TLetterPage {};
    return result_;
}

bool TReader::SkippingUnicodeFallback(const TToken& token)
{
    if (unicodeToSkip_ == 0)
        return false;
    switch (token.kind) {
    case TokenKind::GroupOpen:
    case TokenKind::GroupClose:
    case TokenKind::End:
        unicodeToSkip_ = 0;
        return false;
    case TokenKind::Text:
        return false; // handled by the text itself, byte by byte
    default:
        --unicodeToSkip_;
        return true;
    }
}

void TReader::Token(const TToken& token)
{
    if (overflowDepth_ > 0) {
        if (token.kind == TokenKind::GroupOpen)
            ++overflowDepth_;
        else if (token.kind == TokenKind::GroupClose)
            --overflowDepth_;
        return;
    }
    if (SkippingUnicodeFallback(token))
        return;
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    const bool ignorable = ignorable_;
    ignorable_ = false;
    switch (token.kind) {
    case TokenKind::GroupOpen:
        OpenGroup();
        return;
    case TokenKind::GroupClose:
        CloseGroup();
        return;
    case TokenKind::Word:
        ControlWord(token, ignorable);
        return;
    case TokenKind::Symbol:
        if (token.symbol == '*' && atGroupStart) {
            ignorable_ = true;
            groupStart_ = true; // the destination's word still opens the group
            return;
        }
        Symbol(token.symbol);
        return;
    case TokenKind::Hex:
        if (stack_.empty())
            return;
        if (State().destination == Destination::Picture)
            return; // picture data is hex digits, never escapes
        TextBytes(QByteArrayView(reinterpret_cast<const char*>(&token.hex), 1));
        return;
    case TokenKind::Text:
        if (stack_.empty())
            return;
        if (unicodeToSkip_ > 0) {
            const qsizetype skipped = std::min<qsizetype>(unicodeToSkip_, token.word.size());
            unicodeToSkip_ -= int(skipped);
            if (skipped < token.word.size())
                TextBytes(token.word.sliced(skipped));
            return;
        }
        TextBytes(token.word);
        return;
    case TokenKind::Binary:
        if (!stack_.empty() && State().destination == Destination::Picture)
            picture_.AddBinary(token.word);
        return;
    case TokenKind::End:
        return;
    }
}

void TReader::OpenGroup()
{
    if (stack_.size() >= kMaxGroupDepth) {
        overflowDepth_ = 1;
        result_.error = QStringLiteral("The RTF text nests its groups too deeply; the deepest ones are left out.");
        return;
    }
    if (stack_.empty())
        stack_.push_back(GroupState {});
    else
        stack_.push_back(State());
    if (State().destination == Destination::Replacement)
        State().destination = Destination::Skip;
    groupStart_ = true;
}

void TReader::CloseGroup()
{
    if (stack_.empty())
        return;
    const Destination closing = State().destination;
    if (closing == Destination::Picture
        && (stack_.size() < 2 || stack_[stack_.size() - 2].destination != Destination::Picture))
        InsertPicture();
    if (closing == Destination::FontTable && stack_.size() == fontEntryDepth_
        && (!fontName_.isEmpty() || !fontNameText_.isEmpty())) {
        // An entry without its closing semicolon still names its font.
        EndFontName();
    }
    // The outermost group's state stays: its last paragraph is still to be
    // written with it.
    if (stack_.size() == 1)
        rootClosed_ = true;
    else
        stack_.pop_back();
}

void TReader::ControlWord(const TToken& token, bool ignorable)
{
    if (stack_.empty())
        return;
    const Word word = rtf::LookUpWord(token.word);
    if (word == Word::Binary)
        return; // the lexer hands its bytes over next
    if (DestinationWord(word))
        return;
    if (ignorable && word == Word::Unknown) {
        // \*\word marks a destination a reader may skip when it does not know it.
        State().destination = Destination::Skip;
        return;
    }
    switch (State().destination) {
    case Destination::Skip:
    case Destination::Replacement:
        return;
    case Destination::FontTable:
        FontTableWord(word, token);
        return;
    case Destination::ColorTable:
        ColorTableWord(word, token);
        return;
    case Destination::Picture:
        picture_.Word(word, token.hasNumber ? token.number : 0);
        return;
    case Destination::Text:
        break;
    }
    DocumentWord(word, token);
    if (CharacterWord(word, token))
        return;
    if (ParagraphWord(word, token))
        return;
    PageWord(word, token.hasNumber ? token.number : 0);
}

bool TReader::DestinationWord(Word word)
{
    GroupState& state = State();
    if (word == Word::UnicodeText) {
        // \upr holds a plain version of its text, to be skipped, and the
        // Unicode version in \ud, read as the text around \upr would be.
        if (stack_.size() >= 3 && stack_[stack_.size() - 2].destination == Destination::Replacement)
            state.destination = stack_[stack_.size() - 3].destination;
        return true;
    }
    if (state.destination == Destination::Skip)
        return word != Word::Unknown;
    switch (word) {
    case Word::FontTable:
        state.destination = Destination::FontTable;
        fontName_.clear();
        return true;
    case Word::ColorTable:
        state.destination = Destination::ColorTable;
        colorBeingDefined_ = QColor();
        colorHasComponent_ = false;
        return true;
    case Word::Picture:
        state.destination = Destination::Picture;
        picture_ = rtf::TPicture {};
        return true;
    case Word::FieldInstruction:
    case Word::Skipped:
        state.destination = Destination::Skip;
        return true;
    case Word::UnicodeReplacement:
        state.destination = Destination::Replacement;
        return true;
    case Word::Field:
    case Word::FieldResult:
    case Word::ShapePicture:
    case Word::ListText:
        return true;
    default:
        return false;
    }
}

void TReader::DocumentWord(Word word, const TToken& token)
{
    switch (word) {
    case Word::Ansi:
        codePage_ = rtf::kDefaultCodePage;
        break;
    case Word::Mac:
        codePage_ = 10000;
        break;
    case Word::Pc:
        codePage_ = 437;
        break;
    case Word::Pca:
        codePage_ = 850;
        break;
    case Word::AnsiCodePage:
        if (token.hasNumber && token.number > 0)
            codePage_ = token.number;
        break;
    case Word::DefaultFont:
        defaultFont_ = token.number;
        break;
    case Word::UnicodeSkip:
        State().unicodeSkip = std::clamp(token.number, 0, 16);
        break;
    case Word::Unicode: {
        const int unit = token.number < 0 ? token.number + 65536 : token.number;
        if (unit > 0 && unit <= 0xFFFF)
            AppendText(QString(QChar(char16_t(unit))));
        unicodeToSkip_ = State().unicodeSkip;
        break;
    }
    default:
        break;
    }
}

bool TReader::CharacterWord(Word word, const TToken& token)
{
    CharState& chars = State().chars;
    const bool on = !token.hasNumber || token.number != 0;
    switch (word) {
    case Word::Font:
        chars.font = token.number;
        return true;
    case Word::FontSize:
        chars.halfPoints = token.hasNumber && token.number > 0 ? std::min(token.number, 3276) : rtf::kDefaultHalfPoints;
        return true;
    case Word::Bold:
        chars.bold = on;
        return true;
    case Word::Italic:
        chars.italic = on;
        return true;
    case Word::Underline:
        chars.underline = on;
        return true;
    case Word::UnderlineNone:
        chars.underline = false;
        return true;
    case Word::Strike:
        chars.strike = on;
        return true;
    case Word::Color:
        chars.color = token.number;
        return true;
    case Word::Highlight:
        chars.background = token.number;
        return true;
    case Word::Plain:
        chars = CharState {};
        return true;
    case Word::Super:
        chars.vertical = on ? Vertical::Super : Vertical::Normal;
        return true;
    case Word::Sub:
        chars.vertical = on ? Vertical::Sub : Vertical::Normal;
        return true;
    case Word::NoSuperSub:
        chars.vertical = Vertical::Normal;
        return true;
    case Word::EmDash:
        AppendText(QString(QChar(0x2014)));
        return true;
    case Word::EnDash:
        AppendText(QString(QChar(0x2013)));
        return true;
    case Word::Bullet:
        AppendText(QString(QChar(0x2022)));
        return true;
    case Word::LeftQuote:
        AppendText(QString(QChar(0x2018)));
        return true;
    case Word::RightQuote:
        AppendText(QString(QChar(0x2019)));
        return true;
    case Word::LeftDoubleQuote:
        AppendText(QString(QChar(0x201C)));
        return true;
    case Word::RightDoubleQuote:
        AppendText(QString(QChar(0x201D)));
        return true;
    case Word::EmSpace:
        AppendText(QString(QChar(0x2003)));
        return true;
    case Word::EnSpace:
        AppendText(QString(QChar(0x2002)));
        return true;
    case Word::QuarterEmSpace:
        AppendText(QString(QChar(0x2005)));
        return true;
    case Word::ZeroWidthJoiner:
        AppendText(QString(QChar(0x200D)));
        return true;
    case Word::ZeroWidthNonJoiner:
        AppendText(QString(QChar(0x200C)));
        return true;
    case Word::Tab:
        AppendText(QStringLiteral("\t"));
        return true;
    case Word::Line:
        AppendText(QString(QChar::LineSeparator));
        return true;
    default:
        return false;
    }
}

bool TReader::ParagraphWord(Word word, const TToken& token)
{
    ParagraphState& paragraph = State().paragraph;
    const std::int32_t value = token.hasNumber ? token.number : 0;
    switch (word) {
    case Word::ParagraphDefaults:
        paragraph = ParagraphState {};
        return true;
    case Word::Paragraph:
    case Word::Section:
        if (paragraph.inTable) {
            // A paragraph inside a table cell stays on the row's line.
            AppendText(QStringLiteral(" "));
            return true;
        }
        EndParagraph();
        return true;
    case Word::Page:
        EndParagraph();
        breakBeforeNext_ = true;
        return true;
    case Word::Row:
        pendingCellTabs_ = 0;
        EndParagraph();
        return true;
    case Word::Cell:
        ++pendingCellTabs_;
        return true;
    case Word::InTable:
        paragraph.inTable = true;
        return true;
    case Word::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        return true;
    case Word::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        return true;
    case Word::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        return true;
    case Word::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        return true;
    case Word::FirstIndent:
        paragraph.firstIndent = value;
        return true;
    case Word::LeftIndent:
        paragraph.leftIndent = value;
        return true;
    case Word::RightIndent:
        paragraph.rightIndent = value;
        return true;
    case Word::SpaceBefore:
        paragraph.spaceBefore = value;
        return true;
    case Word::SpaceAfter:
        paragraph.spaceAfter = value;
        return true;
    case Word::LineSpacing:
        paragraph.lineSpacing = value;
        return true;
    case Word::LineMultiple:
        paragraph.lineMultiple = value != 0;
        return true;
    case Word::TabRight:
        paragraph.nextTabType = QTextOption::RightTab;
        return true;
    case Word::TabCenter:
        paragraph.nextTabType = QTextOption::CenterTab;
        return true;
    case Word::TabDecimal:
        paragraph.nextTabType = QTextOption::DelimiterTab;
        return true;
    case Word::TabPosition:
        if (paragraph.tabs.size() < kMaxTabStops)
            paragraph.tabs.push_back(TabStop { paragraph.nextTabType, value });
        paragraph.nextTabType = QTextOption::LeftTab;
        return true;
    case Word::PageBreakBefore:
        paragraph.pageBreakBefore = !token.hasNumber || token.number != 0;
        return true;
    default:
        return false;
    }
}

void TReader::PageWord(Word word, std::int32_t value)
{
    switch (word) {
    case Word::PaperWidth:
        page_.paperWidth = value;
        break;
    case Word::PaperHeight:
        page_.paperHeight = value;
        break;
    case Word::MarginLeft:
        page_.marginLeft = value;
        break;
    case Word::MarginRight:
        page_.marginRight = value;
        break;
    case Word::MarginTop:
        page_.marginTop = value;
        break;
    case Word::MarginBottom:
        page_.marginBottom = value;
        break;
    case Word::Landscape:
        page_.landscape = true;
        break;
    default:
        break;
    }
}

void TReader::FontTableWord(Word word, const TToken& token)
{
    switch (word) {
    case Word::Font:
        fontBeingDefined_ = token.number;
        fontEntryDepth_ = stack_.size();
        fontName_.clear();
        fontNameText_.clear();
        fonts_[fontBeingDefined_] = FontEntry {};
        break;
    case Word::FontCharset:
        fonts_[fontBeingDefined_].codePage = rtf::CodePageOfCharset(token.number);
        break;
    case Word::FontCodePage:
        if (token.number > 0)
            fonts_[fontBeingDefined_].codePage = token.number;
        break;
    case Word::Unicode: {
        const int unit = token.number < 0 ? token.number + 65536 : token.number;
        FlushFontNameBytes();
        if (unit >= 0x20 && unit <= 0xFFFF && fontNameText_.size() < kMaxFontName)
            fontNameText_.append(QChar(char16_t(unit)));
        unicodeToSkip_ = State().unicodeSkip;
        break;
    }
    case Word::UnicodeSkip:
        State().unicodeSkip = std::clamp(token.number, 0, 16);
        break;
    default:
        break;
    }
}

void TReader::FlushFontNameBytes()
{
    const auto font = fonts_.find(fontBeingDefined_);
    const int codePage = font != fonts_.end() && font->second.codePage != 0 ? font->second.codePage : codePage_;
    fontNameText_ += rtf::DecodeCodePage(fontName_, codePage);
    fontName_.clear();
}

void TReader::EndFontName()
{
    FlushFontNameBytes();
    fontNameText_.removeIf(rtf::IsOutsideFontName);
    fonts_[fontBeingDefined_].name = fontNameText_.trimmed();
    fontNameText_.clear();
}

void TReader::ColorTableWord(Word word, const TToken& token)
{
    const int value = std::clamp(token.number, 0, 255);
    if (word != Word::Red && word != Word::Green && word != Word::Blue)
        return;
    if (!colorHasComponent_)
        colorBeingDefined_ = QColor(0, 0, 0);
    colorHasComponent_ = true;
    if (word == Word::Red)
        colorBeingDefined_.setRed(value);
    else if (word == Word::Green)
        colorBeingDefined_.setGreen(value);
    else
        colorBeingDefined_.setBlue(value);
}

void TReader::Symbol(char symbol)
{
    if (stack_.empty())
        return;
    const Destination destination = State().destination;
    if (destination != Destination::Text && destination != Destination::FontTable)
        return;
    QString text;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        // Literal characters: bytes of the text's code page like any other.
        if (destination == Destination::Text)
            AppendBytes(QByteArrayView(&symbol, 1));
        else if (fontName_.size() + fontNameText_.size() < kMaxFontName)
            fontName_.append(symbol);
        return;
    case '~':
        text = QChar(0x00A0);
        break;
    case '-':
        text = QChar(0x00AD);
        break;
    case '_':
        text = QChar(0x2011);
        break;
    case '\t':
        text = QStringLiteral("\t");
        break;
    default:
        return; // \| \: and the like mark index entries and formulas
    }
    if (destination == Destination::Text) {
        AppendText(text);
    } else if (fontName_.size() + fontNameText_.size() < kMaxFontName) {
        FlushFontNameBytes();
        fontNameText_ += text;
    }
}

void TReader::TextBytes(QByteArrayView bytes)
{
    switch (State().destination) {
    case Destination::Text:
        AppendBytes(bytes);
        return;
    case Destination::FontTable: {
        for (char c : bytes) {
            if (c == ';') {
                EndFontName();
            } else if (fontName_.size() + fontNameText_.size() < kMaxFontName) {
                fontName_.append(c);
            }
        }
        return;
    }
    case Destination::ColorTable:
        for (char c : bytes) {
            if (c != ';')
                continue;
            colors_.push_back(colorHasComponent_ ? colorBeingDefined_ : QColor());
            colorHasComponent_ = false;
        }
        return;
    case Destination::Picture:
        picture_.AddHex(bytes);
        return;
    case Destination::Skip:
    case Destination::Replacement:
        return;
    }
}

void TReader::InsertPicture()
{
    // The picture carries the look of the text around it, as the writer
    // gives it.
    const std::optional<QTextImageFormat> format = picture_.AddTo(*cursor_.document(), CharFormat(State().chars));
    if (!format)
        return;
    BeforeText();
    FlushRun();
    runs_.push_back(Run { QString(QChar::ObjectReplacementCharacter), *format, true });
}

void TReader::BeforeText()
{
    if (pendingCellTabs_ > 0) {
        const int tabs = pendingCellTabs_;
        pendingCellTabs_ = 0;
        AppendText(QString(tabs, QLatin1Char('\t')));
    }
}

void TReader::AppendBytes(QByteArrayView bytes)
{
    BeforeText();
    const CharState& chars = State().chars;
    if (runOpen_ && !(runState_ == chars))
        FlushRun();
    if (!runOpen_) {
        runState_ = chars;
        runOpen_ = true;
    }
    runBytes_.append(bytes);
}

void TReader::AppendText(const QString& text)
{
    if (stack_.empty() || State().destination != Destination::Text)
        return;
    BeforeText();
    const CharState& chars = State().chars;
    if (runOpen_ && !(runState_ == chars))
        FlushRun();
    if (!runOpen_) {
        runState_ = chars;
        runOpen_ = true;
    }
    FlushBytes();
    runText_.append(text);
}

void TReader::FlushBytes()
{
    if (runBytes_.isEmpty())
        return;
    runText_.append(rtf::DecodeCodePage(runBytes_, CodePageOf(runState_.font)));
    runBytes_.clear();
}

void TReader::FlushRun()
{
    if (!runOpen_)
        return;
    FlushBytes();
    // Control characters have no place in a letter's text (a tab is written
    // as a word, but some writers put it in raw), and only \par may start a
    // paragraph.
    runText_.removeIf(rtf::IsControlCharacter);
    runText_.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    if (!runText_.isEmpty())
        runs_.push_back(Run { runText_, CharFormat(runState_), false });
    runText_.clear();
    runOpen_ = false;
}

void TReader::EndParagraph()
{
    FlushRun();
    ParagraphState paragraph = State().paragraph;
    if (breakBeforeNext_) {
        paragraph.pageBreakBefore = true;
        breakBeforeNext_ = false;
    }
    const QTextBlockFormat blockFormat = rtf::BlockFormatOf(paragraph);
    const QTextCharFormat markFormat = CharFormat(State().chars);
    if (!firstParagraph_) {
        cursor_.insertBlock(blockFormat, markFormat);
    } else if (replacing_) {
        cursor_.setBlockFormat(blockFormat);
        cursor_.setBlockCharFormat(markFormat);
    }
    firstParagraph_ = false;
    for (const Run& run : runs_) {
        if (run.image)
            cursor_.insertImage(run.format.toImageFormat());
        else
            cursor_.insertText(run.text, run.format);
    }
    runs_.clear();
}

int TReader::CodePageOf(int font) const
{
    const auto found = fonts_.find(font < 0 ? defaultFont_ : font);
    if (found == fonts_.end() || found->second.codePage == 0)
        return codePage_;
    return found->second.codePage;
}

} // namespace

TRtfReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document)
{
    QTextCursor cursor(&document);
    // A refused file leaves the document as it was.
    if (rtf.startsWith("{\\rtf"))
        document.clear();
    return TReader(cursor, true).Read(rtf);
}

TRtfReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor)
{
    return TReader(cursor, false).Read(rtf);
}

} // namespace letters
