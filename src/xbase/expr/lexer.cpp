#include "xbase/expr/lexer.h"

#include <cctype>
#include <string>

namespace xbase::expr {

namespace {

bool isIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentChar(char c) { return isIdentStart(c) || std::isdigit(static_cast<unsigned char>(c)); }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Status run(std::vector<Token>* out)
    {
        while (true) {
            skipBlanks();
            if (pos_ >= text_.size()) {
                out->push_back({TokenKind::End, {}, position()});
                return Status::ok();
            }
            Token t;
            const Status s = next(&t);
            if (!s)
                return s;
            out->push_back(t);
        }
    }

private:
    int position() const { return static_cast<int>(pos_) + 1; }
    char peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
            ++pos_;
    }

    Token make(TokenKind kind, std::size_t start, std::size_t length)
    {
        pos_ = start + length;
        return {kind, text_.substr(start, length), static_cast<int>(start) + 1};
    }

    Status next(Token* t)
    {
        const char c = peek();
        if (isIdentStart(c))
            return identifier(t);
        if (isDigit(c) || (c == '.' && isDigit(peek(1))))
            return number(t);
        if (c == '"' || c == '\'' || c == '[')
            return string(t, c == '[' ? ']' : c);
        if (c == '.')
            return dotted(t);
        return symbol(t);
    }

    Status identifier(Token* t)
    {
        std::size_t end = pos_;
        while (end < text_.size() && isIdentChar(text_[end]))
            ++end;
        *t = make(TokenKind::Identifier, pos_, end - pos_);
        return Status::ok();
    }

    Status number(Token* t)
    {
        std::size_t end = pos_;
        while (end < text_.size() && isDigit(text_[end]))
            ++end;
        // A dot belongs to the number only when a digit follows, so that
        // "1.AND.X" reads as 1 .AND. X.
        if (end + 1 < text_.size() && text_[end] == '.' && isDigit(text_[end + 1])) {
            ++end;
            while (end < text_.size() && isDigit(text_[end]))
                ++end;
        }
        *t = make(TokenKind::Number, pos_, end - pos_);
        return Status::ok();
    }

    Status string(Token* t, char close)
    {
        const std::size_t close_at = text_.find(close, pos_ + 1);
        if (close_at == std::string_view::npos)
            return syntaxError("Unterminated string", position());
        const int at = position();
        *t = {TokenKind::String, text_.substr(pos_ + 1, close_at - pos_ - 1), at};
        pos_ = close_at + 1;
        return Status::ok();
    }

    Status dotted(Token* t)
    {
        const std::size_t close_at = text_.find('.', pos_ + 1);
        if (close_at != std::string_view::npos) {
            const std::string_view word = text_.substr(pos_ + 1, close_at - pos_ - 1);
            static constexpr struct { std::string_view word; TokenKind kind; } words[] = {
                {"AND", TokenKind::And}, {"OR", TokenKind::Or}, {"NOT", TokenKind::Not},
                {"T", TokenKind::True}, {"Y", TokenKind::True}, {"F", TokenKind::False}, {"N", TokenKind::False}};
            for (const auto& w : words) {
                if (equalsNoCase(word, w.word)) {
                    *t = make(w.kind, pos_, close_at + 1 - pos_);
                    return Status::ok();
                }
            }
        }
        return syntaxError("Unexpected character '.'", position());
    }

    Status symbol(Token* t)
    {
        static constexpr struct { std::string_view text; TokenKind kind; } symbols[] = {
            // Longest first, so that "<=" is not read as "<" then "=".
            {"==", TokenKind::ExactEqual}, {"<>", TokenKind::NotEqual}, {"!=", TokenKind::NotEqual},
            {"<=", TokenKind::LessEqual}, {">=", TokenKind::GreaterEqual}, {"=<", TokenKind::LessEqual},
            {"=>", TokenKind::GreaterEqual},
            {"=", TokenKind::Equal}, {"#", TokenKind::NotEqual}, {"<", TokenKind::Less}, {">", TokenKind::Greater},
            {"$", TokenKind::Dollar}, {"!", TokenKind::Not}, {"+", TokenKind::Plus}, {"-", TokenKind::Minus},
            {"*", TokenKind::Star}, {"/", TokenKind::Slash}, {"(", TokenKind::LeftParen},
            {")", TokenKind::RightParen}, {",", TokenKind::Comma}};
        const std::string_view rest = text_.substr(pos_);
        for (const auto& s : symbols) {
            if (rest.substr(0, s.text.size()) == s.text) {
                *t = make(s.kind, pos_, s.text.size());
                return Status::ok();
            }
        }
        const unsigned char c = static_cast<unsigned char>(peek());
        std::string shown = (c >= 0x20 && c < 0x7F) ? std::string("'") + static_cast<char>(c) + "'"
                                                    : "code " + std::to_string(c);
        return syntaxError("Unexpected character " + shown, position());
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

Status syntaxError(const std::string& problem, int position)
{
    return Status::invalidArgument(problem + " at position " + std::to_string(position));
}

Status tokenize(std::string_view text, std::vector<Token>* out)
{
    out->clear();
    return Lexer(text).run(out);
}

} // namespace xbase::expr
