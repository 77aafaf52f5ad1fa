#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QQueue>

namespace quorvel {

// Common dialogs for tests: nothing is shown, every request is recorded and
// the answers come from queues. An empty queue answers "cancelled".
class TScriptedDialogs : public TDialogs {
public:
    enum class TKind { OpenFile, SaveFile, Font, Colour, Print, PrinterSetup, InputText };
    struct TRequest {
        TKind kind;
        TFileRequest file;   // for the file dialogs
        TInputRequest input; // for the input box
    };

    QString openFileName(QWidget* parent, const TFileRequest& request) override;
    QString saveFileName(QWidget* parent, const TFileRequest& request) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> inputText(QWidget* parent, const TInputRequest& request) override;

    // The next open or save dialog returns this name (empty = cancelled).
    void setNextFileName(const QString& name) { fileNames_.enqueue(name); }
    void setNextFont(const QFont& font) { fonts_.enqueue(font); }
    void setNextColour(const QColor& colour) { colours_.enqueue(colour); }
    // The next print or printer setup dialog is confirmed (or cancelled).
    void setNextPrintAccepted(bool accepted) { printAnswers_.enqueue(accepted); }
    // The next input box returns this text (nothing = cancelled).
    void setNextInputText(const std::optional<QString>& text) { inputTexts_.enqueue(text); }

    const QList<TRequest>& requests() const { return requests_; }

private:
    QString nextFileName(TKind kind, const TFileRequest& request);
    bool nextPrintAnswer(TKind kind);

    QList<TRequest> requests_;
    QQueue<QString> fileNames_;
    QQueue<QFont> fonts_;
    QQueue<QColor> colours_;
    QQueue<bool> printAnswers_;
    QQueue<std::optional<QString>> inputTexts_;
};

} // namespace quorvel
