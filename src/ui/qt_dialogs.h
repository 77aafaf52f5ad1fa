#pragma once

#include "ui/dialogs.h"

namespace quorvel {

// The dialogs the user sees.
class TQtDialogs : public TDialogs {
public:
    QString openFileName(QWidget* parent, const TFileRequest& request) override;
    QString saveFileName(QWidget* parent, const TFileRequest& request) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> inputText(QWidget* parent, const TInputRequest& request) override;
};

// "DBF Files|*.dbf" as a Qt file dialog wants it: "DBF Files (*.dbf *.DBF)".
// File names on this system are case-sensitive while the users' files come
// from systems where they are not, so each pattern is offered in lower and
// upper case as well.
QString qtFileFilter(const QString& filter);

} // namespace quorvel
