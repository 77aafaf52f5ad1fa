// "Print Report": New, Modify, Delete and Clone of the user's reports. The
// table and design file work is the report store's, the editing the
// designer's; here are the questions and what the user is told.
#include "labels/windows/design_screen.h"
#include "reports/report_store.h"
#include "reports/windows/report_designer.h"
#include "reports/windows/report_setup.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "ui/services.h"

#include <QApplication>

namespace reports {

void TReportSetup::NewButtonClick()
{
    EditReport(NewReportDefinition(), true);
}

void TReportSetup::ModifyButtonClick()
{
    if (GoToHighlighted())
        EditReport(ReadCurrentReport(context_.reports), false);
}

void TReportSetup::EditReport(TReportDefinition definition, bool isNew)
{
    labels::TDesignScreenContext design;
    design.sysdataFolder = context_.home.sysdataFolder();
    design.ini = &context_.ini;
    design.addresses = &context_.addresses;
    design.record = &record_;
    const std::uint32_t row = context_.reports.RecNo();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TReportDesigner designer(design, this);
    if (isNew) {
        designer.LoadNew();
    } else if (!designer.LoadReport(definition)) {
        // A design that cannot be read (the designer said why) is not
        // opened: saving what was read of it would overwrite the file with
        // less.
        QApplication::restoreOverrideCursor();
        return;
    }
    QApplication::restoreOverrideCursor();

    // A save that fails (no free file name, a full disk) brings the
    // designer back with the report as it was edited, so nothing is lost;
    // the user may try again or cancel.
    while (designer.exec() == QDialog::Accepted) {
        const TReportDefinition edited = designer.Definition();
        definition.description = edited.description;
        definition.layout = edited.layout;
        if (!isNew)
            context_.reports.GoTo(row);
        const quorvel::TTableResult saved = SaveReport(context_.reports, context_.home.sysdataFolder(), definition,
            isNew ? labels::TLayoutSave::lsNew : labels::TLayoutSave::lsExisting,
            [&designer](const QString& path) { return designer.SaveDesign(path); });
        if (saved)
            break;
        ShowFailure(saved.messages);
    }
    ShowReports(context_.reports.RecNo());
}

void TReportSetup::DeleteButtonClick()
{
    AskAndRun(DeleteReportQuestion, QStringLiteral("DELETE"), DeleteReport);
}

void TReportSetup::CloneButtonClick()
{
    AskAndRun(CloneReportQuestion, QStringLiteral("CLONE"), CloneReport);
}

void TReportSetup::AskAndRun(
    QString (*question)(const QString&), const QString& caption, const TReportCommand& command)
{
    if (!GoToHighlighted())
        return;
    const QString description = ReadCurrentReport(context_.reports).description;
    if (!quorvel::TServices::messages().question(this, question(description), caption))
        return;
    const quorvel::TTableResult done = command(context_.reports, context_.home.sysdataFolder());
    if (!done)
        ShowFailure(done.messages);
    ShowReports(context_.reports.RecNo());
}

} // namespace reports
