#include "design/model/fim_barcode.h"

#include "design/model/fim_pattern.h"
#include "design/model/property_list.h"
#include "output/base_report.h"

#include <QPainter>

namespace design {

TGFIMBarCode::TGFIMBarCode(TGDesignOwner& owner) : TGGraphicControl(owner)
{
    // 5/8 inch wide and 9/16 inch high, truncated to whole pixels.
    const int ppi = PixelsPerInch();
    SetBounds(0, 0, ppi * 5 / 8, ppi * 9 / 16);
}

void TGFIMBarCode::ChooseFIMType(TFIMBarCodeType type)
{
    Changed();
    SetFIMType(type);
}

void TGFIMBarCode::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    report.SelectBrush(qRgb(0, 0, 0), output::bsSolid);
    // A thin black outline keeps the bars at their width whatever pen the
    // object printed before left behind; sorting machines measure them.
    report.SelectPen(qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy);
    const double ppi = PixelsPerInch();
    for (const QRectF& bar : fim::PrintBars(fimType_, xOffset + Left() / ppi, yOffset + Top() / ppi))
        report.DrawRectangle(bar.left(), bar.top(), bar.right(), bar.bottom());
}

void TGFIMBarCode::Paint(QPainter& painter)
{
    const int side = fim::ScreenSide(PixelsPerInch(), ZoomFactor());
    if (Width() != side || Height() != side)
        SetBounds(Left(), Top(), side, side);
    for (const QRect& bar : fim::ScreenBars(fimType_, PixelsPerInch(), ZoomFactor()))
        painter.fillRect(bar, Qt::black);
}

TGMenuItems TGFIMBarCode::MenuItems(TGMenuHost& host)
{
    const auto item = [this](const char* caption, TFIMBarCodeType type) {
        return TGMenuItem::Toggle(QString::fromLatin1(caption), fimType_ == type, [this, type] { ChooseFIMType(type); });
    };
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(), item("Set FIM to Type A", TFIMBarCodeType::fimTypeA),
                            item("Set FIM to Type B", TFIMBarCodeType::fimTypeB),
                            item("Set FIM to Type C", TFIMBarCodeType::fimTypeC)});
    return items;
}

void TGFIMBarCode::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Enumeration<TFIMBarCodeType>("FIMType", FIMBarCodeTypeType(), [this] { return FIMType(); },
                                      [this](TFIMBarCodeType v) { SetFIMType(v); }, std::nullopt);
}

} // namespace design
