#include "output/status_label.h"

#include <QLabel>
#include <QPointer>

namespace output {

TBaseReport::TStatusSink StatusToLabel(QLabel* label)
{
    return [guarded = QPointer<QLabel>(label)](const QString& text) {
        if (guarded)
            guarded->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    };
}

} // namespace output
