#include "pdf_text.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <cstdlib>

namespace quorvel::cli_tests {

PdfText ReadPdf(const std::string& pdf, const std::string& scratch)
{
    PdfText read;
    const std::string html = scratch + "/bbox.html";
    if (std::system(("pdftotext -bbox '" + pdf + "' '" + html + "' 2>/dev/null").c_str()) != 0)
        return read;
    QFile file(QString::fromStdString(html));
    if (!file.open(QIODevice::ReadOnly))
        return read;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression item(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\""
                       " xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto match = item.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (!m.captured(1).isEmpty())
            read.pageSizes.emplace_back(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72);
        else
            read.words.push_back({static_cast<int>(read.pageSizes.size()), m.captured(3).toDouble() / 72,
                                  m.captured(4).toDouble() / 72, m.captured(5).toDouble() / 72,
                                  m.captured(6).toDouble() / 72, m.captured(7).toStdString()});
    }
    return read;
}

} // namespace quorvel::cli_tests
