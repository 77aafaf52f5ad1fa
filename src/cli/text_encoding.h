#pragma once

#include <string>
#include <string_view>

namespace quorvel::cli {

// Table bytes are Windows-1252 and the terminal speaks UTF-8. Kept here and
// tiny, because the command-line tool links only the engine.
std::string windows1252ToUtf8(std::string_view bytes);

// For text typed on the command line (a filter's literal, for instance).
// Returns false when the text is not valid UTF-8 or holds a character that
// Windows-1252 has no byte for; such text could never match a table value.
bool utf8ToWindows1252(std::string_view utf8, std::string* out);

} // namespace quorvel::cli
