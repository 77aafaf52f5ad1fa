#include "output/output_dialogs.h"

#include "output/print_options_dialog.h"
#include "output/printer_setup_dialog.h"
#include "output/rp_device.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace output {

namespace {

// The program writes line breaks as CR LF or a lone CR; a message box wants LF.
QString shownText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void TQtOutputDialogs::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Information"), shownText(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("OutputErrorBox"));
    box.exec();
}

void TQtOutputDialogs::ShowInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    shownText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("OutputNoticeBox"));
    box.exec();
}

bool TQtOutputDialogs::AskQuestion(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, shownText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("OutputQuestionBox"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool TQtOutputDialogs::AskPrinterSetup(TRPDevice& device)
{
    TPrinterSetupDialog dialog(device, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply();
    return true;
}

bool TQtOutputDialogs::AskPrintOptions(TRPDevice& device, TPrintOptions& options)
{
    TPrintOptionsDialog dialog(device.DeviceName(), options, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

std::optional<QString> TQtOutputDialogs::AskPdfFileName(const QString& suggestedName)
{
    const QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save as PDF"),
                                                      suggestedName, QStringLiteral("PDF files (*.pdf)"));
    if (file.isEmpty())
        return std::nullopt;
    return file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? file : file + QStringLiteral(".pdf");
}

TOutputDialogs& DefaultOutputDialogs()
{
    static TQtOutputDialogs dialogs;
    return dialogs;
}

} // namespace output
