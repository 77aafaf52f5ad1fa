#include "letters/rtf_words.h"

#include <string_view>
#include <unordered_map>

namespace letters::rtf {

namespace {

using Table = std::unordered_map<std::string_view, Word>;

const Table& Words()
{
    static const Table table = {
        {"rtf", Word::Rtf}, {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc},
        {"pca", Word::Pca}, {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont},
        {"uc", Word::UnicodeSkip}, {"u", Word::Unicode}, {"bin", Word::Binary},

        {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable}, {"field", Word::Field},
        {"fldinst", Word::FieldInstruction}, {"fldrslt", Word::FieldResult},
        {"pict", Word::Picture}, {"shppict", Word::ShapePicture},
        {"upr", Word::UnicodeReplacement}, {"ud", Word::UnicodeText},
        {"listtext", Word::ListText}, {"pntext", Word::ListText}, {"result", Word::FieldResult},

        // Parts of a file a letter does not show: their text must not leak
        // into the letter.
        {"stylesheet", Word::Skipped}, {"info", Word::Skipped}, {"header", Word::Skipped},
        {"headerl", Word::Skipped}, {"headerr", Word::Skipped}, {"headerf", Word::Skipped},
        {"footer", Word::Skipped}, {"footerl", Word::Skipped}, {"footerr", Word::Skipped},
        {"footerf", Word::Skipped}, {"footnote", Word::Skipped}, {"annotation", Word::Skipped},
        {"pn", Word::Skipped}, {"nonshppict", Word::Skipped}, {"objdata", Word::Skipped},
        {"objclass", Word::Skipped}, {"filetbl", Word::Skipped}, {"revtbl", Word::Skipped},
        {"listtable", Word::Skipped}, {"listoverridetable", Word::Skipped},
        {"xe", Word::Skipped}, {"tc", Word::Skipped}, {"template", Word::Skipped},
        {"do", Word::Skipped}, {"author", Word::Skipped}, {"title", Word::Skipped},
        {"comment", Word::Skipped}, {"operator", Word::Skipped}, {"subject", Word::Skipped},
        {"keywords", Word::Skipped}, {"doccomm", Word::Skipped}, {"bkmkstart", Word::Skipped},
        {"bkmkend", Word::Skipped}, {"txe", Word::Skipped}, {"private", Word::Skipped},
        {"ftnsep", Word::Skipped}, {"ftnsepc", Word::Skipped}, {"ftncn", Word::Skipped},
        {"picprop", Word::Skipped}, {"shpinst", Word::Skipped}, {"sp", Word::Skipped},
        {"aftnsep", Word::Skipped}, {"aftnsepc", Word::Skipped}, {"aftncn", Word::Skipped},

        {"fcharset", Word::FontCharset}, {"cpg", Word::FontCodePage},
        {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},

        {"pngblip", Word::PngBlip}, {"jpegblip", Word::JpegBlip},
        {"emfblip", Word::OtherBlip}, {"wmetafile", Word::OtherBlip},
        {"dibitmap", Word::OtherBlip}, {"wbitmap", Word::OtherBlip},
        {"macpict", Word::OtherBlip}, {"pmmetafile", Word::OtherBlip},
        {"picwgoal", Word::PictureGoalWidth}, {"pichgoal", Word::PictureGoalHeight},
        {"picscalex", Word::PictureScaleX}, {"picscaley", Word::PictureScaleY},

        {"f", Word::Font}, {"fs", Word::FontSize}, {"b", Word::Bold}, {"i", Word::Italic},
        {"ul", Word::Underline}, {"uld", Word::Underline}, {"uldb", Word::Underline},
        {"uldash", Word::Underline}, {"ulw", Word::Underline}, {"ulth", Word::Underline},
        {"ulwave", Word::Underline}, {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike}, {"striked", Word::Strike}, {"cf", Word::Color},
        {"plain", Word::Plain}, {"super", Word::Super}, {"sub", Word::Sub},
        {"nosupersub", Word::NoSuperSub}, {"highlight", Word::Highlight},
        {"cb", Word::Highlight}, {"chcbpat", Word::Highlight},

        {"pard", Word::ParagraphDefaults}, {"par", Word::Paragraph}, {"sect", Word::Section},
        {"ql", Word::AlignLeft}, {"qr", Word::AlignRight}, {"qc", Word::AlignCenter},
        {"qj", Word::AlignJustify}, {"fi", Word::FirstIndent}, {"li", Word::LeftIndent},
        {"ri", Word::RightIndent}, {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter},
        {"sl", Word::LineSpacing}, {"slmult", Word::LineMultiple}, {"tx", Word::TabPosition},
        {"tqr", Word::TabRight}, {"tqc", Word::TabCenter}, {"tqdec", Word::TabDecimal},
        {"pagebb", Word::PageBreakBefore}, {"page", Word::Page}, {"line", Word::Line},
        {"tab", Word::Tab}, {"intbl", Word::InTable}, {"cell", Word::Cell},
        {"nestcell", Word::Cell}, {"row", Word::Row},

        {"paperw", Word::PaperWidth}, {"paperh", Word::PaperHeight},
        {"margl", Word::MarginLeft}, {"margr", Word::MarginRight},
        {"margt", Word::MarginTop}, {"margb", Word::MarginBottom},
        {"landscape", Word::Landscape}, {"pgwsxn", Word::PaperWidth},
        {"pghsxn", Word::PaperHeight}, {"marglsxn", Word::MarginLeft},
        {"margrsxn", Word::MarginRight}, {"margtsxn", Word::MarginTop},
        {"margbsxn", Word::MarginBottom}, {"lndscpsxn", Word::Landscape},

        {"emdash", Word::EmDash}, {"endash", Word::EnDash}, {"bullet", Word::Bullet},
        {"lquote", Word::LeftQuote}, {"rquote", Word::RightQuote},
        {"ldblquote", Word::LeftDoubleQuote}, {"rdblquote", Word::RightDoubleQuote},
        {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace},
        {"qmspace", Word::QuarterEmSpace}, {"zwj", Word::ZeroWidthJoiner},
        {"zwnj", Word::ZeroWidthNonJoiner},
    };
    return table;
}

} // namespace

Word LookUpWord(QByteArrayView name)
{
    const Table& table = Words();
    const auto found = table.find(std::string_view(name.data(), std::size_t(name.size())));
    return found == table.end() ? Word::Unknown : found->second;
}

} // namespace letters::rtf
