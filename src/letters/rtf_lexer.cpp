#include "letters/rtf_lexer.h"

#include <limits>

namespace letters::rtf {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool EndsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

} // namespace

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

TToken TLexer::Next()
{
    TToken token;
    if (pendingBinary_ > 0) {
        token.kind = TokenKind::Binary;
        token.word = input_.sliced(position_, pendingBinary_);
        position_ += pendingBinary_;
        pendingBinary_ = 0;
        return token;
    }
    // Line ends are not text in RTF: writers break long lines anywhere.
    while (position_ < input_.size() && (input_[position_] == '\r' || input_[position_] == '\n'))
        ++position_;
    if (position_ >= input_.size())
        return token;
    const char c = input_[position_];
    if (c == '{') {
        ++position_;
        token.kind = TokenKind::GroupOpen;
        return token;
    }
    if (c == '}') {
        ++position_;
        token.kind = TokenKind::GroupClose;
        return token;
    }
    if (c == '\\')
        return ReadControl();
    const qsizetype start = position_;
    while (position_ < input_.size() && !EndsText(input_[position_]))
        ++position_;
    token.kind = TokenKind::Text;
    token.word = input_.sliced(start, position_ - start);
    return token;
}

TToken TLexer::ReadControl()
{
    TToken token;
    ++position_; // the backslash
    if (position_ >= input_.size()) {
        // A lone backslash at the very end: nothing to read.
        return token;
    }
    const char c = input_[position_];
    if (IsLetter(c)) {
        const qsizetype start = position_;
        while (position_ < input_.size() && IsLetter(input_[position_]))
            ++position_;
        token.kind = TokenKind::Word;
        token.word = input_.sliced(start, std::min(position_ - start, kMaxWordLength + 1));
        token.number = ReadNumber(token.hasNumber);
        // One blank ends a word and belongs to it.
        if (position_ < input_.size() && input_[position_] == ' ')
            ++position_;
        if (token.word == "bin" && token.hasNumber && token.number > 0)
            pendingBinary_ = std::min<qsizetype>(token.number, input_.size() - position_);
        return token;
    }
    ++position_;
    if (c == '\'') {
        const int high = position_ < input_.size() ? HexValue(input_[position_]) : -1;
        const int low = position_ + 1 < input_.size() ? HexValue(input_[position_ + 1]) : -1;
        if (high < 0 || low < 0) {
            // A broken escape stands for nothing; the bytes after it are
            // read as they come.
            token.kind = TokenKind::Symbol;
            token.symbol = '\'';
            return token;
        }
        position_ += 2;
        token.kind = TokenKind::Hex;
        token.hex = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is an old spelling of \par.
        token.kind = TokenKind::Word;
        token.word = "par";
        return token;
    }
    token.kind = TokenKind::Symbol;
    token.symbol = c;
    return token;
}

std::int32_t TLexer::ReadNumber(bool& hasNumber)
{
    hasNumber = false;
    bool negative = false;
    qsizetype at = position_;
    if (at < input_.size() && input_[at] == '-') {
        negative = true;
        ++at;
    }
    if (at >= input_.size() || !IsDigit(input_[at]))
        return 0;
    // Any number of digits is read, the value stopping at the 32-bit limits.
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    while (at < input_.size() && IsDigit(input_[at])) {
        value = std::min(value * 10 + (input_[at] - '0'), limit);
        ++at;
    }
    position_ = at;
    hasNumber = true;
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, limit - 1));
}

} // namespace letters::rtf
