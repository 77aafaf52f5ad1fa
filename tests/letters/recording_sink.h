#pragma once

#include "letters/letter_page_sink.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QStringList>

#include <memory>
#include <vector>

namespace letters_testing {

// Text drawn on a recorded page and where the painter put it, in device
// pixels from the printable area's corner; text the clip hides counts too.
struct DrawnText {
    QPointF at;
    QString text;
};

// Paper that keeps the text drawn on it, page by page, at a fixed
// resolution, with an unprintable border; fonts are measured as on any
// device of that resolution.
class TRecordingDevice : public QPaintDevice {
public:
    explicit TRecordingDevice(int pixelsPerInch);
    ~TRecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    std::vector<std::vector<DrawnText>> pages{{}};

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int pixelsPerInch_;
    std::unique_ptr<QPaintEngine> engine_;
};

// The run's pages as a test sees them: what was called, the text of every
// page, and a failure to play when asked.
class TRecordingSink : public letters::TLetterPageSink {
public:
    explicit TRecordingSink(int pixelsPerInch = 300, QPoint unprintable = {30, 30});

    bool Begin(const letters::TLetterPage& page) override;
    bool NewPage() override;
    QPainter& Painter() override { return painter_; }
    QPaintDevice& Device() override { return device_; }
    QPoint UnprintableOffset() const override { return unprintable_; }
    bool End() override;
    void Abort() override;
    QString Error() const override { return error_; }

    // The text of each page, its lines joined by blanks in drawing order.
    QStringList PageTexts() const;
    const std::vector<std::vector<DrawnText>>& Pages() const { return device_.pages; }

    QStringList calls;   // "Begin", "End", "Abort"
    int failAtPage = 0;  // NewPage for this page (1-based) fails; 0: never
    bool failEnd = false;
    bool declineBegin = false; // Begin fails without an error: the file question was cancelled

private:
    TRecordingDevice device_;
    QPainter painter_;
    QPoint unprintable_;
    QString error_;
    int pageCount_ = 0;
};

} // namespace letters_testing
