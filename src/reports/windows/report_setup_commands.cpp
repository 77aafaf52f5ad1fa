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

    // Save writes the row and the design file while the designer is still
    // open: when that fails (no free file name, a full disk) the user is
    // told and the designer stays with everything edited.
    designer.SetSaver([this, &definition, isNew, row](TReportDesigner& edited) {
        const TReportDefinition changed = edited.Definition();
        definition.description = changed.description;
        definition.layout = changed.layout;
        if (!isNew)
            context_.reports.GoTo(row);
        const quorvel::TTableResult saved = SaveReport(context_.reports, context_.home.sysdataFolder(), definition,
            isNew ? labels::TLayoutSave::lsNew : labels::TLayoutSave::lsExisting,
            [&edited](const QString& path) { return edited.SaveDesign(path); });
        if (!saved)
            ShowFailure(saved.messages);
        return saved.ok;
    });
    designer.exec();
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
