#include "cli/csv_writer.h"

namespace quorvel::cli {

std::string CsvWriter::quoted(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
        return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

void CsvWriter::writeRow(const std::vector<std::string>& values)
{
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += ',';
        line += quoted(values[i]);
    }
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), out_);
}

} // namespace quorvel::cli
