#pragma once

#include <QByteArrayView>
#include <cstdint>

// Splits RTF text into its tokens. One pass with no look-back, so any input
// takes time in proportion to its length; nothing here can read past the
// end of the input, whatever a \bin length or a number says.
namespace letters::rtf {

enum class TokenKind {
    End,
    GroupOpen,
    GroupClose,
    Word, // \name with an optional number
    Symbol, // \ followed by one character that is not a letter
    Hex, // \'hh
    Text, // a run of plain bytes, line ends left out
    Binary, // the bytes following \binN
};

struct TToken {
    TokenKind kind = TokenKind::End;
    QByteArrayView word; // Word: the name; Text and Binary: the bytes
    bool hasNumber = false;
    std::int32_t number = 0; // clamped to 32 bits
    char symbol = 0; // Symbol
    unsigned char hex = 0; // Hex
};

// The value of a hexadecimal digit; -1 for any other character.
int HexValue(char c);

// Names longer than this are no RTF word; they are cut (and never match).
inline constexpr qsizetype kMaxWordLength = 32;

class TLexer {
public:
    explicit TLexer(QByteArrayView input)
        : input_(input)
    {
    }

    TToken Next();
    bool AtEnd() const { return position_ >= input_.size() && pendingBinary_ == 0; }

private:
    TToken ReadControl();
    std::int32_t ReadNumber(bool& hasNumber);

    QByteArrayView input_;
    qsizetype position_ = 0;
    qsizetype pendingBinary_ = 0;
};

} // namespace letters::rtf
