// "Print Labels": New, Modify, Delete and Clone. The table and design file
// work is the layout commands'; here are the questions, the design screen
// and what the user is told.
#include "design/model/address_record.h"
#include "labels/label_design_files.h"
#include "labels/label_layout_commands.h"
#include "labels/label_layout_table.h"
#include "labels/label_stock_art.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_setup_screen.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "ui/services.h"

#include <QApplication>
#include <QImage>

namespace labels {

namespace {

// The stock pictures are files named after the stock in the sysdata folder.
std::function<QImage(const QString&)> StockArtFiles(const quorvel::THomeFolder& home)
{
    return [&home](const QString& art) {
        const QString name = StockArtFileName(art);
        return name.isEmpty() ? QImage() : QImage(home.path(QStringLiteral("sysdata/") + name));
    };
}

} // namespace

void TLabelSetupScreen::NewButtonClick()
{
    EditLayout(NewLabelLayout(), true);
}

void TLabelSetupScreen::ModifyButtonClick()
{
    if (const std::optional<TLabelLayout> layout = HighlightedLayout())
        EditLayout(*layout, false);
}

void TLabelSetupScreen::EditLayout(TLabelLayout layout, bool isNew)
{
    const QString sysdata = context_.home.sysdataFolder();
    design::TGAddressRecord record(context_.addresses);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TLabelDesignScreen screen(
        { sysdata, &context_.ini, &context_.addresses, &record, StockArtFiles(context_.home) }, this);
    QApplication::restoreOverrideCursor();
    if (!OpenDesign(screen, layout, isNew))
        return;
    screen.SetLayout(layout);
    screen.SetNewLabel(isNew);
    const std::uint32_t row = context_.layouts.RecNo();
    if (screen.exec() == 1) {
        TLabelLayout edited = screen.Layout();
        if (!isNew)
            context_.layouts.GoTo(row);
        const quorvel::TTableResult saved
            = SaveLabelLayout(context_.layouts, sysdata, edited, isNew ? TLayoutSave::lsNew : TLayoutSave::lsExisting,
                [&screen](const QString& path) { return screen.Panel().SaveToFile(path); });
        if (!saved)
            ShowFailure(saved.messages);
    }
    const std::uint32_t current = context_.layouts.RecNo();
    ShowLayouts(current);
    ShowPrinters();
}

bool TLabelSetupScreen::OpenDesign(TLabelDesignScreen& screen, TLabelLayout& layout, bool isNew)
{
    const QString sysdata = context_.home.sysdataFolder();
    // A design that cannot be read is not opened: saving what was read of
    // it would overwrite the file with less.
    if (!isNew && LabelDesignExists(sysdata, layout.designFile))
        return screen.Panel().LoadFromFile(LabelDesignPath(sysdata, layout.designFile)).IsOk();
    // A design file that is missing, or named by something other than a
    // plain BIN#####.L, opens empty under a name of its own.
    const quorvel::TTableResult reserved = ReserveLayoutDesignName(context_.layouts, sysdata, &layout.designFile);
    if (!reserved)
        ShowFailure(reserved.messages);
    return reserved.ok;
}

void TLabelSetupScreen::DeleteButtonClick()
{
    AskAndRun(DeleteQuestion, QStringLiteral("DELETE"), DeleteLabelLayout);
}

void TLabelSetupScreen::CloneButtonClick()
{
    AskAndRun(CloneQuestion, QStringLiteral("CLONE"), CloneLabelLayout);
}

void TLabelSetupScreen::AskAndRun(
    const TLayoutQuestion& question, const QString& caption, const TLayoutCommand& command)
{
    if (!GoToHighlighted())
        return;
    // Only the name is asked about, so that a row too damaged to read can
    // still be deleted.
    TLabelLayout named;
    named.description = context_.layouts.FieldAsString(u"DESCRIPT");
    if (!quorvel::TServices::messages().question(this, question(named), caption))
        return;
    const quorvel::TTableResult done = command(context_.layouts, context_.home.sysdataFolder());
    if (!done)
        ShowFailure(done.messages);
    ShowLayouts(context_.layouts.RecNo());
}

} // namespace labels
