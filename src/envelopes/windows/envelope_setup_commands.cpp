// "Print Envelope": New, Modify, Delete and Clone. The table and design
// file work is the layout store's, Save the design screen's; here are the
// questions and what the user is told.
#include "envelopes/envelope_layouts.h"
#include "envelopes/envelope_overlays.h"
#include "envelopes/windows/choose_envelope_layout.h"
#include "envelopes/windows/envelope_design_screen.h"
#include "envelopes/windows/envelope_setup_screen.h"
#include "labels/windows/dialog_buttons.h"
#include "output/rp_device.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "ui/services.h"

#include <QApplication>

namespace envelopes {

void TQVEnvelopes::NewButtonClick()
{
    TEnvelopeLayout layout = NewEnvelopeLayout();
    // The size the user is looking at is the likeliest for the next one.
    if (GoToHighlighted())
        layout.sizeCode = ReadCurrentEnvelopeLayout(context_.layouts).sizeCode;
    TChooseEnvelopeLayout sizes(layout.sizeCode, this);
    if (sizes.exec() != labels::kResultOk)
        return;
    layout.sizeCode = sizes.ChosenCode();
    EditLayout(layout, true);
}

void TQVEnvelopes::ModifyButtonClick()
{
    if (GoToHighlighted())
        EditLayout(ReadCurrentEnvelopeLayout(context_.layouts), false);
}

void TQVEnvelopes::EditLayout(const TEnvelopeLayout& layout, bool isNew)
{
    const output::TRPDevice& device = output::TRPDevice::Shared();
    TEnvelopeDesignContext design;
    design.sysdataFolder = context_.home.sysdataFolder();
    design.ini = &context_.ini;
    design.addresses = &context_.addresses;
    design.record = &record_;
    design.printer = PrinterAreaInPixels(
        device.Unprintable(), QSizeF(device.PaperWidth(), device.PaperHeight()), kPixelsPerInch);
    design.layouts = &context_.layouts;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TEnvelopeDesignScreen screen(design, layout, isNew, this);
    QApplication::restoreOverrideCursor();
    if (screen.LoadDesign())
        screen.exec();
    ShowLayouts(context_.layouts.RecNo());
}

void TQVEnvelopes::DeleteButtonClick()
{
    AskAndRun(DeleteQuestion, QStringLiteral("DELETE"), DeleteEnvelopeLayout);
}

void TQVEnvelopes::CloneButtonClick()
{
    AskAndRun(CloneQuestion, QStringLiteral("CLONE"), CloneEnvelopeLayout);
}

void TQVEnvelopes::AskAndRun(const TLayoutQuestion& question, const QString& caption, const TLayoutCommand& command)
{
    if (!GoToHighlighted())
        return;
    if (!quorvel::TServices::messages().question(this, question(ReadCurrentEnvelopeLayout(context_.layouts)), caption))
        return;
    const quorvel::TTableResult done = command(context_.layouts, context_.home.sysdataFolder());
    if (!done)
        ShowFailure(done.messages);
    ShowLayouts(context_.layouts.RecNo());
}

} // namespace envelopes
