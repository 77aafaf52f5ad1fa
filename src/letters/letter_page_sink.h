#pragma once

#include "letters/letter_page.h"

#include <QPoint>
#include <QString>

class QPainter;
class QPaintDevice;

namespace letters {

// Where a letter run's pages go: the printer (or a PDF file) in the
// program, a recorder in tests. The run lays its letters out at Device(),
// so the pages break as they will on paper.
class TLetterPageSink {
public:
    virtual ~TLetterPageSink() = default;

    // Starts the document and its first page for letters of this page
    // setting. False when it could not be started: with Error() saying why,
    // or with no error when the user declined (the PDF file question).
    virtual bool Begin(const TLetterPage& page) = 0;
    // Starts the next page; false with Error() when that failed.
    virtual bool NewPage() = 0;
    // Valid between Begin and End.
    virtual QPainter& Painter() = 0;
    virtual QPaintDevice& Device() = 0;
    // The border the device cannot print on, in its pixels: where the
    // painter's origin lies on the paper.
    virtual QPoint UnprintableOffset() const = 0;
    // Finishes the document; false with Error() when it could not be
    // written, and then nothing half-written is left.
    virtual bool End() = 0;
    // Gives the document up; nothing of it is kept.
    virtual void Abort() = 0;
    virtual QString Error() const = 0;
};

} // namespace letters
