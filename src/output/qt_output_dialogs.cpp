#include "output/output_dialogs.h"

#include "output/print_options_dialog.h"
#include "output/printer_setup_dialog.h"
#include "output/rp_device.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace output {

void TQtOutputDialogs::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Information"), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("OutputErrorBox"));
    box.exec();
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
