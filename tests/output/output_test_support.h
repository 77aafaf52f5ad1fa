#pragma once

#include "output/page_stream.h"
#include "output/print_status.h"
#include "output/report_filer.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"

#include <QBuffer>

#include <memory>
#include <vector>

namespace output_testing {

// A letter-size laser printer with a quarter-inch unprintable border, plus
// the built-in PDF printer.
std::unique_ptr<output::TRPDevice> MakeOfficeDevice(double unprintable = 0.25);

// A filer recording into a memory stream on the office device, set up the
// way the program's status windows set theirs up.
struct RecordingJob {
    RecordingJob();

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    QBuffer stream;
    output::TReportFiler filer;

    // Runs the job with `body` as its print handler and reads the stream back.
    std::vector<output::TPage> Record(const std::function<void(output::TBaseReport&)>& body);
};

// Ending texts and cancel question of a made-up kind of job.
output::TPrintJobTexts SampleJobTexts();

std::vector<output::TTextOp> TextsOf(const output::TPage& page);
std::vector<output::TShapeOp> ShapesOf(const output::TPage& page);

// A word of a PDF file as poppler's pdftotext -bbox finds it, in inches
// from the top-left corner of its page.
struct PdfWordBox {
    QString word;
    double xMin, yMin, xMax, yMax;
};
std::vector<PdfWordBox> ReadPdfWords(const QString& pdf);

} // namespace output_testing
