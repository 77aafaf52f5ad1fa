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
// Behind the header "** Not presorted" come, in ZIP order, the records whose
// ZIP the presort does not count. When the list is used up the cursor runs
// off the end, which ends the run.
//
// The tag keys UPPER(ZIP), so a ZIP line is sought as the tag keys it and
// the records found are taken only when their ZIP is the line's exactly:
// "1234a" and "1234A" are two lines of the list, and each record prints
// under its own.
class TPresortWalk {
public:
    TPresortWalk(quorvel::TDataset& addresses, QStringList lines);

    // Takes the next line that leads somewhere: a header (break label
    // pending; the cursor goes to the first record so that the run goes on)
    // or a ZIP line whose records exist. ZIP lines without records are
    // passed over. Called again after the break label of "** Not presorted",
    // it goes to the first record not presorted, if any.
    void GetNextSortedZip();
    // After a record has printed: the next record of the current line, or
    // the next line's first.
    void NextRecord();

    bool BreakPending() const { return breakPending_; }
    void ClearBreak() { breakPending_ = false; }
    const QString& CurrentLine() const { return current_; }

private:
    enum class TMode { wmZipLine, wmNotPresorted };

    bool FindInZipLine();
    bool FindNotPresorted();
    QString RecordZip() const;
    void RunOffTheEnd();

    quorvel::TDataset& addresses_;
    QStringList lines_;
    qsizetype next_ = 0;
    QString current_;
    QString currentKey_;
    int keyWidth_;
    TMode mode_ = TMode::wmZipLine;
    bool breakPending_ = false;
    bool notPresortedNext_ = false;
};

} // namespace labels
