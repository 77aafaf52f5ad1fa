#pragma once

#include "reports/report_producer.h"
#include "reports/report_settings.h"

namespace design {
class TGRecordSource;
}
namespace output {
class TPrintStatus;
}
namespace quorvel {
class TDataset;
}

namespace reports {

class TReportDesign;

// The pages of a user-defined report: the header band above the text area
// and the footer band below it on every page, then for each record from the
// current one to the end of the selection the detail band filled from the
// record and the record's memo, each with its band's shade and frame.
//
// The bands keep the left and right margins an eighth of an inch inside
// the frame, as the designer draws them. A fresh page always takes one
// detail band or one memo line, however tall, so that a band taller than
// the text area still ends the job.
class TUserDefinedReportPrint : public TReportProducer {
public:
    TUserDefinedReportPrint(TReportDesign& design, quorvel::TDataset& records, const design::TGRecordSource& record,
                            bool onePerPage, output::TPrintStatus& status, int ppi = 96);

    void BeforePrint(output::TBaseReport& report) override;
    void Print(output::TBaseReport& report) override;

    int Records() const { return records_; }

    // How far inside its frame a band's content starts, left and right.
    static constexpr double kBandInset = 0.125;
    // Where a shade starts inside its rectangle, so that the frame stays
    // visible over it.
    static constexpr double kShadeInset = 0.01;

private:
    double Inches(int pixels) const { return static_cast<double>(pixels) / ppi_; }
    double BandHeight(TReportBand band) const;
    void SetJobMargins(output::TBaseReport& report) const;
    void PrintFurniture(output::TBaseReport& report);
    void NewPage(output::TBaseReport& report);
    void PrintDetail(output::TBaseReport& report);
    void PrintMemo(output::TBaseReport& report);
    void SelectMemoFont(output::TBaseReport& report) const;
    void PrintMemoLine(output::TBaseReport& report, const QString& line) const;
    void DrawBandFrame(output::TBaseReport& report, TReportBand band, double top, double bottom) const;
    void DrawShade(output::TBaseReport& report, const TBandBorder& border, double left, double top, double right,
                   double bottom) const;
    void DrawBorder(output::TBaseReport& report, const TBandBorder& border, double left, double top, double right,
                    double bottom) const;

    TReportDesign& design_;
    quorvel::TDataset& dataset_;
    const design::TGRecordSource& record_;
    bool onePerPage_;
    output::TPrintStatus& status_;
    int ppi_;
    int records_ = 0;
    // Where the next band or memo block starts on the page (inches).
    double y_ = 0.0;
    // Nothing of a record is on the page yet.
    bool freshPage_ = true;
};

} // namespace reports
