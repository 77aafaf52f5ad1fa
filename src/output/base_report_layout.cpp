#include "output/base_report.h"

#include "output/output_dialogs.h"
#include "output/rp_device.h"

#include <QRect>

#include <cmath>

namespace output {

// --- device and paper

QStringList TBaseReport::PrinterNames() const { return Device().PrinterNames(); }
int TBaseReport::CurrentPrinterIndex() const { return Device().CurrentPrinterIndex(); }
QString TBaseReport::DeviceName() const { return Device().DeviceName(); }
double TBaseReport::PaperWidth() const { return fromInches(Device().PaperWidth()); }
double TBaseReport::PaperHeight() const { return fromInches(Device().PaperHeight()); }
double TBaseReport::UnprintableLeft() const { return fromInches(Device().Unprintable().left()); }
double TBaseReport::UnprintableRight() const { return fromInches(Device().Unprintable().right()); }
double TBaseReport::UnprintableTop() const { return fromInches(Device().Unprintable().top()); }
double TBaseReport::UnprintableBottom() const { return fromInches(Device().Unprintable().bottom()); }
QStringList TBaseReport::BinNames() const { return Device().BinNames(); }
QStringList TBaseReport::PaperNames() const { return Device().PaperNames(); }
bool TBaseReport::SelectBinByName(const QString& name) { return Device().SelectBinByName(name); }
bool TBaseReport::SelectPaperByName(const QString& name) { return Device().SelectPaperByName(name); }
int TBaseReport::CurrentBinIndex() const { return Device().CurrentBinIndex(); }
int TBaseReport::CurrentPaperIndex() const { return Device().CurrentPaperIndex(); }
void TBaseReport::ReleaseSharedDevice() { TRPDevice::ReleaseShared(); }

void TBaseReport::SelectPrinterIndex(int index)
{
    RequireIdle();
    Device().SelectPrinterIndex(index);
    ResetAreaToMargins();
}

bool TBaseReport::SelectPrinterByName(const QString& name)
{
    RequireIdle();
    const bool found = Device().SelectPrinterByName(name);
    ResetAreaToMargins();
    return found;
}

bool TBaseReport::ChoosePaper(int code, double length, double width)
{
    RequireIdle();
    const bool accepted = Device().ChoosePaper(code, toInches(length), toInches(width));
    ResetAreaToMargins();
    return accepted;
}

bool TBaseReport::AskPrintOptions()
{
    RequireIdle();
    TPrintOptions options{copies_, firstPage_, lastPage_};
    if (!Dialogs().AskPrintOptions(Device(), options))
        return false;
    copies_ = options.copies < 1 ? 1 : options.copies;
    firstPage_ = options.firstPage;
    lastPage_ = options.lastPage;
    return true;
}

bool TBaseReport::AskPrinterSetup()
{
    RequireIdle();
    const bool confirmed = Dialogs().AskPrinterSetup(Device());
    ResetAreaToMargins();
    return confirmed;
}

// --- margins and text area

void TBaseReport::SetMarginLeft(double value)
{
    marginLeft_ = toInches(value);
    areaLeft_ = marginLeft_;
}

void TBaseReport::SetMarginTop(double value)
{
    marginTop_ = toInches(value);
    areaTop_ = marginTop_;
}

void TBaseReport::SetMarginRight(double value)
{
    marginRight_ = toInches(value);
    ResetAreaToMargins();
}

void TBaseReport::SetMarginBottom(double value)
{
    marginBottom_ = toInches(value);
    ResetAreaToMargins();
}

void TBaseReport::ResetAreaToMargins()
{
    // Without a printer there is no sheet; letter size keeps the layout sane.
    const bool device = Device().HasPrinters();
    areaLeft_ = marginLeft_;
    areaTop_ = marginTop_;
    areaRight_ = (device ? Device().PaperWidth() : 8.5) - marginRight_;
    areaBottom_ = (device ? Device().PaperHeight() : 11.0) - marginBottom_;
}

void TBaseReport::SetAreaLeft(double value)
{
    areaLeft_ = toInches(value);
    cursorX_ = std::max(cursorX_, areaLeft_);
}

void TBaseReport::SetAreaTop(double value)
{
    areaTop_ = toInches(value);
    const double firstBaseline = areaTop_ + lineHeightInches() - measure_.descent(font_);
    cursorY_ = std::max(cursorY_, firstBaseline);
}

// --- cursor and lines

void TBaseReport::MoveCursor(double x, double y)
{
    cursorX_ = toInches(x);
    cursorY_ = toInches(y);
}

// The baseline of the first line sits so that the line's cell (top to
// descent) starts exactly at the area's top.
void TBaseReport::CursorHome()
{
    cursorX_ = areaLeft_;
    cursorY_ = areaTop_ + lineHeightInches() - measure_.descent(font_);
    currentTab_ = 0;
}

void TBaseReport::NextLine()
{
    cursorX_ = areaLeft_;
    cursorY_ += lineHeightInches();
    currentTab_ = 0;
}

int TBaseReport::LinesRemaining()
{
    const double height = lineHeightInches();
    const double top = cursorY_ - height + measure_.descent(font_);
    // A hair of tolerance so that a line that exactly fits is counted.
    const double lines = std::floor((areaBottom_ - top) / height + 1e-9);
    return lines > 0.0 ? static_cast<int>(lines) : 0;
}

double TBaseReport::lineHeightInches()
{
    switch (lineHeightMethod_) {
    case lhmFont: return font_.size / 60.0;
    case lhmUser: return userLineHeight_;
    case lhmLinesPerInch: break;
    }
    return 1.0 / linesPerInch_;
}

double TBaseReport::LineHeight() { return fromInches(lineHeightInches()); }

void TBaseReport::SetLineHeight(double value)
{
    if (value <= 0.0)
        return;
    userLineHeight_ = toInches(value);
    lineHeightMethod_ = lhmUser;
}

double TBaseReport::FontAscent() { return fromInches(measure_.ascent(font_)); }
double TBaseReport::FontDescent() { return fromInches(measure_.descent(font_)); }

double TBaseReport::LineTop()
{
    return fromInches(cursorY_ - lineHeightInches() + measure_.descent(font_));
}

// --- device pixels

TDeviceMapping TBaseReport::Mapping() const
{
    TDeviceMapping mapping;
    if (Device().HasPrinters()) {
        mapping.pixelsPerInchX = mapping.pixelsPerInchY = Device().Resolution();
        mapping.unprintableLeft = Device().Unprintable().left();
        mapping.unprintableTop = Device().Unprintable().top();
    }
    mapping.scaleX = scaleX_;
    mapping.scaleY = scaleY_;
    return mapping;
}

QPointF TBaseReport::sheetPoint(double xInches, double yInches) const
{
    return {xInches + originX_, yInches + originY_};
}

int TBaseReport::ToDeviceX(double x) const { return Mapping().deviceX(toInches(x) + originX_); }
int TBaseReport::ToDeviceY(double y) const { return Mapping().deviceY(toInches(y) + originY_); }

QRect TBaseReport::ToDeviceRect(double x1, double y1, double x2, double y2) const
{
    return QRect(QPoint(ToDeviceX(x1), ToDeviceY(y1)), QPoint(ToDeviceX(x2), ToDeviceY(y2)));
}

} // namespace output
