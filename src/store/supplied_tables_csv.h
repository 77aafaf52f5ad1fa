#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quorvel {

// A comma-separated table as the supplied data files hold it: a header
// line of column names, then rows with as many values. Values may be
// quoted ("a, b"; "" inside quotes is one quote). UTF-8 text (plain ASCII
// in practice); CR LF and LF line ends; blank lines are skipped.
struct TCsvRow {
    int line = 0; // 1-based line number in the file
    QStringList values;
};

struct TCsvTable {
    QStringList header;
    std::vector<TCsvRow> rows;
};

// Nothing when it parsed, else the problem ("line 7: 3 values, 4 expected").
std::optional<QString> parseCsvTable(const QByteArray& bytes, TCsvTable* out);
std::optional<QString> readCsvTable(const QString& path, TCsvTable* out);

// "line 7: "
QString csvLineText(int line);

} // namespace quorvel
