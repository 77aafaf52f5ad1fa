#pragma once

#include "output/device_mapping.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <memory>

namespace output {

class TOutputDialogs;
class TRPDevice;

// One print document on the device's printer, or in a PDF file when the
// built-in PDF printer is selected.
class TPrinterSession {
public:
    // False when the user cancelled the file question.
    bool Open(TRPDevice& device, TOutputDialogs& dialogs, const QString& title);
    // EReportError when the printer or file cannot be opened.
    void BeginPage();
    // An aborted PDF is removed: half a document must not pass for a whole one.
    // False when the document could not be finished; a PDF is then removed too.
    bool Close(bool aborted);

    QPainter* Painter() { return painter_.get(); }
    // The printer while the session is open, for a job that sets its own
    // paper (a letter's page) before its first page.
    QPrinter* Printer() { return printer_.get(); }
    TDeviceMapping Mapping(double scaleX, double scaleY) const;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfFile_;
    QString deviceName_;
    double unprintableLeft_ = 0.0, unprintableTop_ = 0.0;
};

} // namespace output
