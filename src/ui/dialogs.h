#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace quorvel {

// What a file dialog is asked for. The filter is written as pairs of
// description and patterns separated by "|" ("DBF Files|*.dbf"), patterns
// by ";".
struct TFileRequest {
    QString caption;
    QString folder;
    QString filter;
    QString defaultSuffix; // without the dot, "DBF"
    QString proposedName = {}; // the name the box starts with ("*.FLT")
};

// A one-line question for a text ("Memo Search" / "Search For").
struct TInputRequest {
    QString caption;
    QString prompt;
    QString initial; // the text the box starts with
};

// Every common dialog goes through here so that tests can answer them.
class TDialogs {
public:
    virtual ~TDialogs() = default;

    // The chosen file, or empty when cancelled.
    virtual QString openFileName(QWidget* parent, const TFileRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const TFileRequest& request) = 0;
    // Nothing when cancelled.
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    // The print options (copies, page range) for the printer; false when cancelled.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    // The printer, paper and orientation; false when cancelled.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
    // The text typed, or nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const TInputRequest& request) = 0;
};

} // namespace quorvel
