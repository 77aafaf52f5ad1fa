#pragma once

#include "letters/letter_page_sink.h"
#include "output/printer_session.h"

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output

namespace letters {

// A letter run's pages on the device's printer, or in a PDF file when the
// built-in PDF printer is selected. The PDF's pages take the letter's own
// page size; a real printer keeps the paper chosen for it. Copies come from
// the run alone, never from the printer's settings.
class TPrinterLetterSink : public TLetterPageSink {
public:
    TPrinterLetterSink(output::TRPDevice& device, output::TOutputDialogs& dialogs, QString title);

    bool Begin(const TLetterPage& page) override;
    bool NewPage() override;
    QPainter& Painter() override;
    QPaintDevice& Device() override;
    QPoint UnprintableOffset() const override { return offset_; }
    bool End() override;
    void Abort() override;
    QString Error() const override { return error_; }

private:
    output::TRPDevice& device_;
    output::TOutputDialogs& dialogs_;
    QString title_;
    output::TPrinterSession session_;
    QPoint offset_;
    QString error_;
    bool open_ = false;
};

} // namespace letters
