#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quorvel::cli {

// Writes rows as RFC 4180 CSV: CRLF line ends; a value holding a comma, a
// double quote, CR or LF is quoted, with its quotes doubled. Values are
// written as given (callers convert to UTF-8 first).
class CsvWriter {
public:
    explicit CsvWriter(std::FILE* out) : out_(out) {}
    void writeRow(const std::vector<std::string>& values);
    static std::string quoted(const std::string& value);

private:
    std::FILE* out_;
};

} // namespace quorvel::cli
