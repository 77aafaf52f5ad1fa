#pragma once

#include <QString>
#include <QStringList>

namespace output {

// What the status codes of a status template can refer to.
struct TStatusContext {
    QStringList lines;  // %0 ... %9
    QString driverName; // %D
    QString printerName; // %R
    QString port;        // %T
    int firstPage = 1;   // %F
    int lastPage = 9999; // %L
    int currentPage = 0; // %P
};

// Replaces every per-cent code of the template: "%%" is a per-cent sign, a
// digit the status line of that index (nothing past the end), D, F, L, P, R
// and T (either case) the values of the context. Any other code is dropped
// with its per-cent sign, and so is a per-cent sign that ends the template.
QString ExpandStatusFormat(const QString& format, const TStatusContext& context);

} // namespace output
