#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {
class TDataset;
}

namespace labels {

// Walks a presorted label run through the presort list: the address file is
// in ZIP order (inexact key comparison), and each ZIP line moves the cursor
// to the first record of that ZIP; each header line asks for a break label.
// When the list is used up the cursor runs off the end, which ends the run.
class TPresortWalk {
public:
    TPresortWalk(quorvel::TDataset& addresses, QStringList lines);

    // Takes the next line that leads somewhere: a header (break label
    // pending; the cursor goes to the first record so that the run goes on)
    // or a ZIP line whose records exist. ZIP lines without records are
    // passed over.
    void GetNextSortedZip();

    bool BreakPending() const { return breakPending_; }
    void ClearBreak() { breakPending_ = false; }
    const QString& CurrentLine() const { return current_; }
    // Whether the current record's ZIP code (its first five characters) is
    // the current line's.
    bool RecordInCurrentZip() const;

private:
    void RunOffTheEnd();

    quorvel::TDataset& addresses_;
    QStringList lines_;
    qsizetype next_ = 0;
    QString current_;
    bool breakPending_ = false;
};

} // namespace labels
