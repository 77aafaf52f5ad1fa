#pragma once

#include "output/device_mapping.h"
#include "output/font_measure.h"
#include "output/page_ops.h"
#include "output/rp_component.h"
#include "output/status_format.h"
#include "output/tab_stops.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace output {

class TOutputDialogs;
class TRPDevice;

enum TLineHeightMethod { lhmLinesPerInch, lhmFont, lhmUser };
enum TBKMode { bkTransparent, bkOpaque };
enum TOrientation { poPortrait, poLandScape, poDefault };

// A print job independent of the device: units, margins, text area, cursor,
// fonts, tab stops, status and job control. Every drawing call becomes a page
// operation in inches; the subclasses decide where operations go (a printer
// canvas, a recorded stream). Lengths at this interface are in the job's
// units and are measured from the sheet's top-left edge.
class TBaseReport : public TRPBaseComponent {
public:
    using TReportEvent = std::function<void(TBaseReport&)>;
    using TPrintPageEvent = std::function<bool(TBaseReport&, int page)>;
    using TStatusSink = std::function<void(const QString&)>;

    TBaseReport();
    ~TBaseReport() override;
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;

    TReportEvent OnPrint, OnBeforePrint, OnAfterPrint, OnNewPage, OnNewColumn, OnPrintHeader, OnPrintFooter,
        OnEndOfSection;
    TPrintPageEvent OnPrintPage;

    // --- collaborators
    void SetDevice(TRPDevice* device) { device_ = device; }
    TRPDevice& Device() const;
    void SetDialogs(TOutputDialogs* dialogs) { dialogs_ = dialogs; }
    TOutputDialogs& Dialogs() const;

    // --- job settings
    int FirstPage() const { return firstPage_; }
    void SetFirstPage(int page) { firstPage_ = page; }
    int LastPage() const { return lastPage_; }
    void SetLastPage(int page) { lastPage_ = page; }
    void SetStatusLabel(TStatusSink sink) { statusSink_ = std::move(sink); }
    QString StatusFormat() const { return statusFormat_; }
    void SetStatusFormat(const QString& format) { statusFormat_ = format; }
    QStringList& StatusText() { return statusText_; }
    QString StatusCaption() const { return statusCaption_; }
    TLineHeightMethod LineHeightMethod() const { return lineHeightMethod_; }
    void SetLineHeightMethod(TLineHeightMethod method) { lineHeightMethod_ = method; }
    int LinesPerInch() const { return linesPerInch_; }
    void SetLinesPerInch(int lines) { linesPerInch_ = lines > 0 ? lines : 6; }
    TUnits Units() const { return units_; }
    void SetUnits(TUnits units);
    double UnitsFactor() const { return unitsFactor_; }
    void SetUnitsFactor(double factor);
    int TabShade() const { return tabShade_; }
    void SetTabShade(int percent) { tabShade_ = percent; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title.left(31); }
    TBKMode TextBKMode() const { return textBkMode_; }
    void SetTextBKMode(TBKMode mode) { textBkMode_ = mode; }
    int Copies() const { return copies_; }
    void SetCopies(int copies);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation orientation);
    double ScaleX() const { return scaleX_; }
    void SetScaleX(double percent) { scaleX_ = percent; }
    double ScaleY() const { return scaleY_; }
    void SetScaleY(double percent) { scaleY_ = percent; }

    // --- job control
    void RunJob();
    void StartNextPage();
    void AbortJob() { aborted_ = true; }
    bool JobAborted() const { return aborted_; }
    bool Printing() const { return running_; }
    void RefreshStatus();
    int CurrentPage() const { return page_; }

    // --- device and paper (the shared device, in the job's units)
    QStringList PrinterNames() const;
    int CurrentPrinterIndex() const;
    void SelectPrinterIndex(int index);
    bool SelectPrinterByName(const QString& name);
    bool ChoosePaper(int code, double length, double width);
    virtual QString DeviceName() const;
    double PaperWidth() const;
    double PaperHeight() const;
    double UnprintableLeft() const;
    double UnprintableRight() const;
    double UnprintableTop() const;
    double UnprintableBottom() const;
    QStringList BinNames() const;
    QStringList PaperNames() const;
    bool SelectBinByName(const QString& name);
    bool SelectPaperByName(const QString& name);
    int CurrentBinIndex() const;
    int CurrentPaperIndex() const;
    bool AskPrintOptions();
    bool AskPrinterSetup();
    static void ReleaseSharedDevice();

    // --- margins, text area, cursor
    double MarginLeft() const { return fromInches(marginLeft_); }
    void SetMarginLeft(double value);
    double MarginRight() const { return fromInches(marginRight_); }
    void SetMarginRight(double value);
    double MarginTop() const { return fromInches(marginTop_); }
    void SetMarginTop(double value);
    double MarginBottom() const { return fromInches(marginBottom_); }
    void SetMarginBottom(double value);
    double AreaLeft() const { return fromInches(areaLeft_); }
    void SetAreaLeft(double value);
    double AreaRight() const { return fromInches(areaRight_); }
    void SetAreaRight(double value) { areaRight_ = toInches(value); }
    double AreaTop() const { return fromInches(areaTop_); }
    void SetAreaTop(double value);
    double AreaBottom() const { return fromInches(areaBottom_); }
    void SetAreaBottom(double value) { areaBottom_ = toInches(value); }
    void ResetAreaToMargins();
    void HorizontalOrigin(double x) { originX_ = toInches(x); }
    void VerticalOrigin(double y) { originY_ = toInches(y); }
    double CursorX() const { return fromInches(cursorX_); }
    double CursorY() const { return fromInches(cursorY_); }
    void MoveCursor(double x, double y);
    void CursorHome();
    void NextLine();
    int LinesRemaining();
    double LineHeight();
    void SetLineHeight(double value); // switches to lhmUser
    double FontAscent();
    double FontDescent();
    double LineTop();
    int ToDeviceX(double x) const;
    int ToDeviceY(double y) const;
    QRect ToDeviceRect(double x1, double y1, double x2, double y2) const;

    // --- text
    void SelectFont(const QString& name, double size);
    void SetBold(bool on) { font_.bold = on; }
    void SetItalic(bool on) { font_.italic = on; }
    void SetUnderline(bool on) { font_.underline = on; }
    void SetStrikeOut(bool on) { font_.strikeOut = on; }
    void SetFontColor(QRgb color) { font_.color = color; }
    void SetFontAngle(double degrees);
    const TFontSpec& Font() const { return font_; }
    double TextWidth(const QString& text);
    void TextLeftAt(const QString& text, double x);
    void TextCenteredAt(const QString& text, double x);
    void TextRightAt(const QString& text, double x);
    void TextJustified(const QString& text, double x1, double x2);
    void TextInBox(double x1, double y1, double x2, double y2, double x, double y, const QString& text);
    void WriteText(const QString& text);
    void WriteLine(const QString& text);

    // --- tab stops
    void AddTabStop(double position, TTabJustify justify, double width, double margin, int lines, int shade = -1);
    void ClearTabStops() { tabs_.clear(); }
    void SaveTabStops() { tabs_.save(); }
    void RestoreTabStops() { tabs_.restore(); }
    void NextTabStop();
    double TabStart(int number) const;
    int TabStopCount() const { return tabs_.count(); }
    void SetShadeColor(QRgb color) { shadeColor_ = color; }

    // --- drawing
    void SelectPen(QRgb color, TPenStyle style, int width, TPenMode mode);
    void SelectBrush(QRgb color, TBrushStyle style, const QImage& bitmap = QImage());
    const TPenSpec& Pen() const { return pen_; }
    const TBrushSpec& Brush() const { return brush_; }
    void MovePenTo(double x, double y);
    void LineToPoint(double x, double y);
    void DrawRectangle(double x1, double y1, double x2, double y2);
    void DrawEllipse(double x1, double y1, double x2, double y2);
    void DrawRoundRect(double x1, double y1, double x2, double y2, double w, double h);
    void DrawArc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void DrawChord(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void DrawPie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void DrawPolygon(const std::vector<QPointF>& points);
    void DrawPolyline(const std::vector<QPointF>& points);
    void FillArea(double x1, double y1, double x2, double y2);
    void FrameArea(double x1, double y1, double x2, double y2);
    void DrawBitmapInBox(double x1, double y1, double x2, double y2, const QImage& bitmap);
    void DrawBitmapScaled(double x, double y, double scaleX, double scaleY, const QImage& bitmap);
    void StretchGraphic(const QRect& deviceRect, const QImage& graphic);
    void DrawGraphicAt(double x, double y, const QImage& graphic);

protected:
    // Where the job's pages go. BeginDocument returns false when the job
    // cannot start (the user cancelled a question); it ends as aborted.
    virtual bool BeginDocument() = 0;
    virtual void BeginPage() = 0;
    virtual void EndPage() = 0;
    virtual void EndDocument(bool aborted) = 0;
    virtual void EmitOp(TPageOp&& op) = 0;
    virtual TStatusContext DeviceStatus() const;
    virtual bool NeedsPrinter() const { return false; }
    // The pages of the job; by default the caller's OnPrint or OnPrintPage.
    virtual void PrintBody();
    virtual TDeviceMapping Mapping() const;

    void Emit(TPageOp op);
    void RequireIdle() const;
    void RequireDrawing() const;
    bool PageInRange() const { return inRange_; }
    double toInches(double units) const { return units / unitsFactor_; }
    double fromInches(double inches) const { return inches * unitsFactor_; }

private:
    void fire(const TReportEvent& event);
    void startFirstPage();
    void beginPageOutput();
    void endPageOutput();
    void finishJob(bool failed);
    void resetPageState();
    void emitText(const QString& text, double x, TTextAlign align, double width);
    void emitShape(TShapeKind kind, double x1, double y1, double x2, double y2);
    void emitArc(TShapeKind kind, double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                 double y4);
    void emitImage(const QRectF& inches, const QImage& image);
    void placeInCell(const TTabStop& stop, const QString& text);
    void justify(const QString& text, double left, double right);
    void drawTabCell(const TTabStop& stop);
    QPointF sheetPoint(double xInches, double yInches) const;
    double lineHeightInches();

    TRPDevice* device_ = nullptr;
    TOutputDialogs* dialogs_ = nullptr;
    TFontMeasure measure_;

    int firstPage_ = 1, lastPage_ = 9999;
    TStatusSink statusSink_;
    QString statusFormat_, statusCaption_, title_;
    QStringList statusText_;
    TLineHeightMethod lineHeightMethod_ = lhmLinesPerInch;
    int linesPerInch_ = 6;
    double userLineHeight_ = 1.0 / 6.0;
    TUnits units_ = unInch;
    double unitsFactor_ = 1.0;
    int tabShade_ = 0;
    TBKMode textBkMode_ = bkTransparent;
    int copies_ = 1;
    TOrientation orientation_ = poDefault;
    double scaleX_ = 100.0, scaleY_ = 100.0;

    bool running_ = false, aborted_ = false, inRange_ = false;
    int page_ = 0;

    // Inches from the sheet's edges.
    double marginLeft_ = 0.0, marginRight_ = 0.0, marginTop_ = 0.0, marginBottom_ = 0.0;
    double areaLeft_ = 0.0, areaRight_ = 0.0, areaTop_ = 0.0, areaBottom_ = 0.0;
    double originX_ = 0.0, originY_ = 0.0;
    double cursorX_ = 0.0, cursorY_ = 0.0;
    QPointF penPosition_;

    TFontSpec font_;
    TPenSpec pen_;
    TBrushSpec brush_;
    QRgb shadeColor_ = qRgb(0, 0, 0);
    TTabStops tabs_;
    int currentTab_ = 0;
};

} // namespace output
