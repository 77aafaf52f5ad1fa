#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quorvel::cli_tests {

struct PdfWord {
    int page = 0; // 1-based
    double x = 0; // inches from the page's top-left corner to the word's box
    double y = 0;
    double right = 0;
    double bottom = 0;
    std::string text;
};

struct PdfText {
    std::vector<std::pair<double, double>> pageSizes; // inches
    std::vector<PdfWord> words;
};

// What pdftotext -bbox finds in the file: each page's size and each word's
// box, converted from points to inches. `scratch` is a folder for its output.
PdfText ReadPdf(const std::string& pdf, const std::string& scratch);

} // namespace quorvel::cli_tests
