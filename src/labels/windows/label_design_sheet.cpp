// The design screen's sheet: changing the layout's stock, sizing the
// surface to one label, the stock picture and the POSTNET width rule.
#include "design/model/postnet.h"
#include "labels/label_codes.h"
#include "labels/label_layout_table.h"
#include "labels/label_stock_art.h"
#include "labels/new_label_design.h"
#include "labels/windows/choose_label_layout.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_edit.h"
#include "labels/windows/select_label.h"
#include "store/dataset.h"
#include "ui/services.h"
#include "xbase/apollo.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace labels {

namespace {

const QString kPostNetRemoved
    = QStringLiteral("Warning: This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed");

} // namespace

void TLabelDesignScreen::ChangeLayoutButtonClick()
{
    const bool artWasDown = ShowArt->isChecked();
    TChooseLabelLayout choose(this);
    const int choice = choose.exec();
    bool changed = false;
    if (choice == TChooseLabelLayout::kFromTemplate)
        changed = GetLayoutFromTemplate();
    else if (choice == TChooseLabelLayout::kEnterManually)
        changed = GetUserDefinedLayout();
    if (!changed)
        return;
    LabelPanel->KeepObjectsInside();
    ShowArt->setEnabled(!layout_.stock.art.isEmpty());
    if (ShowArt->isEnabled() && artWasDown)
        ShowArt->setChecked(true);
    ShowArtClick();
    SizeCaption->setText(LayoutCaption(layout_.stock));
    RemoveNarrowPostNet();
}

bool TLabelDesignScreen::GetLayoutFromTemplate()
{
    xbase::TApollo engine;
    quorvel::TDataset catalogue(engine);
    if (!OpenLabelTemplateTable(catalogue, context_.sysdataFolder)) {
        quorvel::TServices::messages().information(this, QStringLiteral("Unable to Open LBLTPL.DBF"));
        return false;
    }
    TSelectLabel select(catalogue, layout_.stock, false, this);
    if (select.exec() != 1)
        return false;
    layout_.stock = select.SelectedStock();
    const TLabelGeometry& geometry = layout_.stock.geometry;
    SetLabelSizeFromInches(geometry.shape, geometry.width, geometry.height);
    ShowArt->setEnabled(!layout_.stock.art.isEmpty());
    ShowArt->setChecked(ShowArt->isEnabled());
    ShowArtClick();
    SaveButton->show();
    return true;
}

bool TLabelDesignScreen::GetUserDefinedLayout()
{
    TLabelEdit edit(layout_.stock.geometry, this);
    if (edit.exec() != 1)
        return false;
    layout_.stock = UserDefinedStock(edit.Geometry());
    const TLabelGeometry& geometry = layout_.stock.geometry;
    SetLabelSizeFromInches(geometry.shape, geometry.width, geometry.height);
    ShowArt->setChecked(false);
    ShowArt->setEnabled(false);
    ShowArtClick();
    SaveButton->show();
    return true;
}

void TLabelDesignScreen::SetLabelSizeFromInches(const QString& shape, double width, double height)
{
    TLabelGeometry sized;
    sized.width = width;
    sized.height = height;
    const QSize pixels = LabelSizeInPixels(sized, Owner().PixelsPerInch());
    if (pixels == labelSize_ && shape == shapeCode_)
        return;
    if (const TShapeEntry* entry = FindShape(shape))
        LabelPanel->SetShape(entry->shape);
    ResizeSurface(pixels);
    labelSize_ = pixels;
    shapeCode_ = shape;
}

void TLabelDesignScreen::ShowArtClick()
{
    if (!ShowArt->isChecked() || layout_.stock.art.isEmpty() || !stockArt_) {
        LabelPanel->SetPicture({});
        return;
    }
    LabelPanel->SetPicture(StockArtBackground(stockArt_(layout_.stock.art), labelSize_));
}

void TLabelDesignScreen::RemoveNarrowPostNet()
{
    if (layout_.stock.geometry.width >= kPostNetMinimumWidth)
        return;
    for (design::TGGraphicControl* object : LabelPanel->Objects().Objects()) {
        if (!dynamic_cast<design::TGPostNetBarCode*>(object))
            continue;
        quorvel::TServices::messages().information(this, kPostNetRemoved);
        LabelPanel->ClearSelection();
        LabelPanel->DeleteObject(*object);
        return;
    }
}

} // namespace labels
