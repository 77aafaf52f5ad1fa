#pragma once

#include "labels/label_geometry.h"
#include "labels/presort_walk.h"

#include <QStringList>

#include <optional>

namespace output {
class TBaseReport;
class TPrintStatus;
} // namespace output

namespace quorvel {
class TDataset;
}

namespace labels {

class TLabelObjects;

// What a run produced.
struct TLabelRunCounts {
    int labels = 0;  // record labels, every copy counted; break labels are not
    int records = 0; // records printed
    int pages = 0;   // filled in by the run from its job
};

// The print loop of a label run: it lays the selected records out on
// sheets, across first, then down, on the positions the mask selects, as
// many copies of each as asked, and in a presorted run in the order of the
// presort list with a break label in front of each package. It runs as the
// handler of the status's job and ends early when the status asks it to.
class TLabelPrinter {
public:
    TLabelPrinter(const TLabelGeometry& geometry, TLabelObjects& objects, quorvel::TDataset& addresses,
                  output::TPrintStatus& status);

    // Positions of other sheets (beyond this one's count) are never read.
    void SetMask(const TPositionMask& mask) { mask_ = mask; }
    void SetCopies(int copies) { copies_ = copies < 1 ? 1 : copies; }
    // 1-based; the first sheet starts there, the others at their first position.
    void SetStartPosition(int position) { start_ = position < 1 ? 0 : position - 1; }
    // Turns presort order on, with the lines of the presort list.
    void SetPresortLines(const QStringList& lines) { presortLines_ = lines; }

    // Makes PrintLabels and BeforePrintLabels the job of the status.
    void HookJob();
    void BeforePrintLabels(output::TBaseReport& report);
    void PrintLabels(output::TBaseReport& report);

    const TLabelRunCounts& Counts() const { return counts_; }

private:
    struct TCell {
        int column = -1;
        int row = 0;
    };

    bool AdvanceCell(output::TBaseReport& report, TCell& cell) const;
    void SelectBreakLabelTools(output::TBaseReport& report) const;
    void PrintBreakLabel(output::TBaseReport& report, QPointF corner);
    void PrintRecordLabel(output::TBaseReport& report, QPointF corner);
    void NextRecord(bool breakPrinted);

    TLabelGeometry geometry_;
    TLabelObjects& objects_;
    quorvel::TDataset& addresses_;
    output::TPrintStatus& status_;
    TPositionMask mask_;
    int copies_ = 1;
    int start_ = 0;
    std::optional<QStringList> presortLines_;
    std::optional<TPresortWalk> presort_;
    TLabelRunCounts counts_;
};

} // namespace labels
