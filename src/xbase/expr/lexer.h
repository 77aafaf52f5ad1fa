#pragma once

#include "xbase/core/status.h"

#include <string_view>
#include <vector>

namespace xbase::expr {

enum class TokenKind {
    End, Identifier, String, Number, True, False,
    And, Or, Not,           // .AND. .OR. .NOT. and "!"; the bare words are identifiers
    Plus, Minus, Star, Slash,
    Equal, ExactEqual, NotEqual, Less, LessEqual, Greater, GreaterEqual, Dollar,
    LeftParen, RightParen, Comma
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // identifiers and numbers as written; string contents without quotes
    int position = 1;       // 1-based
};

// Splits an expression into tokens, ending with one End token. The views
// point into `text`, which must outlive the tokens.
Status tokenize(std::string_view text, std::vector<Token>* out);

// "Unexpected character '@' at position 4" and the like.
Status syntaxError(const std::string& problem, int position);

} // namespace xbase::expr
