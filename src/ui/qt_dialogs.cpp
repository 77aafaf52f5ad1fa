#include "ui/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStringList>

namespace quorvel {

namespace {

QString patternsInBothCases(const QString& patterns)
{
    QStringList all;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        for (const QString& variant : {pattern.trimmed(), pattern.trimmed().toLower(), pattern.trimmed().toUpper()}) {
            if (!all.contains(variant))
                all.append(variant);
        }
    }
    return all.join(u' ');
}

QString runFileDialog(QWidget* parent, const TFileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.folder, qtFileFilter(request.filter));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patternsInBothCases(parts[i + 1])));
    return filters.join(QStringLiteral(";;"));
}

QString TQtDialogs::openFileName(QWidget* parent, const TFileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString TQtDialogs::saveFileName(QWidget* parent, const TFileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QFont> TQtDialogs::font(QWidget* parent, const QFont& initial)
{
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, initial, parent);
    return accepted ? std::optional<QFont>(chosen) : std::nullopt;
}

std::optional<QColor> TQtDialogs::colour(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

bool TQtDialogs::print(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::printerSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> TQtDialogs::inputText(QWidget* parent, const TInputRequest& request)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputDialog"));
    dialog.setWindowTitle(request.caption);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace quorvel
