// Dense pages through the engine and, as the reference, straight through
// QPainter, in one run: recording, printing to PDF (directly and by
// replaying a recording) and preview rendering. Counters give the time per
// page and the peak memory of each case.
#include "output_bench_pages.h"

#include "output/file_printer.h"
#include "output/page_stream.h"
#include "output/preview_renderer.h"
#include "output/report_filer.h"
#include "output/report_printer.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <string>

using namespace output;
using namespace output_bench;

namespace {

int gPages = 1000;

QString scratchPdf()
{
    return QDir::temp().filePath(QStringLiteral("quorvel_bench_output.pdf"));
}

// Peak resident memory since the last reset, in MiB (Linux; 0 elsewhere).
void resetPeakMemory()
{
    std::ofstream(std::string("/proc/self/clear_refs")) << "5";
}

double peakMemoryMiB()
{
    std::ifstream status(std::string("/proc/self/status"));
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

void report(benchmark::State& state)
{
    state.counters["per_page"] = benchmark::Counter(static_cast<double>(gPages),
                                                    benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_MiB"] = peakMemoryMiB();
}

TRPDevice& pdfDevice()
{
    static TRPDevice device(std::make_unique<TFixedPrinterCatalog>());
    return device;
}

void denseJob(TBaseReport& r)
{
    for (int page = 0; page < gPages; ++page) {
        if (page > 0)
            r.StartNextPage();
        DrawDensePage(r, page);
    }
}

QByteArray recordDenseJob()
{
    QBuffer stream;
    TReportFiler filer;
    filer.SetDevice(&pdfDevice());
    filer.SetStreamMode(smUser);
    filer.SetStream(&stream);
    filer.OnPrint = denseJob;
    filer.RunJob();
    return stream.data();
}

void BM_Record(benchmark::State& state)
{
    resetPeakMemory();
    for (auto _ : state)
        benchmark::DoNotOptimize(recordDenseJob());
    report(state);
}

void BM_EnginePrintToPdf(benchmark::State& state)
{
    resetPeakMemory();
    for (auto _ : state) {
        TScriptedOutputDialogs dialogs;
        dialogs.pdfFileNames.push_back(scratchPdf());
        TReportPrinter printer;
        printer.SetDevice(&pdfDevice());
        printer.SetDialogs(&dialogs);
        printer.OnPrint = denseJob;
        printer.RunJob();
    }
    report(state);
}

void BM_EngineReplayToPdf(benchmark::State& state)
{
    QBuffer stream;
    stream.setData(recordDenseJob());
    stream.open(QIODevice::ReadOnly);
    resetPeakMemory();
    for (auto _ : state) {
        TScriptedOutputDialogs dialogs;
        dialogs.pdfFileNames.push_back(scratchPdf());
        TFilePrinter printer;
        printer.SetDevice(&pdfDevice());
        printer.SetDialogs(&dialogs);
        printer.SetStream(&stream);
        printer.Execute();
    }
    report(state);
}

void BM_QPainterToPdf(benchmark::State& state)
{
    resetPeakMemory();
    for (auto _ : state) {
        QPdfWriter writer(scratchPdf());
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        for (int page = 0; page < gPages; ++page) {
            if (page > 0)
                writer.newPage();
            PaintDensePage(painter, 1200, page);
        }
    }
    report(state);
}

void BM_EngineRenderPreview(benchmark::State& state)
{
    const QByteArray bytes = recordDenseJob();
    resetPeakMemory();
    for (auto _ : state) {
        // As the preview does: the stream checked once, pages decoded as shown.
        const TPageStreamReader reader(bytes);
        for (int page = 0; page < reader.pageCount(); ++page)
            benchmark::DoNotOptimize(RenderPreviewPage(reader.page(page), TPreviewLook{}));
    }
    report(state);
}

void BM_QPainterRenderPreview(benchmark::State& state)
{
    resetPeakMemory();
    for (auto _ : state) {
        for (int page = 0; page < gPages; ++page) {
            QImage image(816, 1056, QImage::Format_ARGB32_Premultiplied);
            image.setDotsPerMeterX(3780);
            image.setDotsPerMeterY(3780);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintDensePage(painter, 96, page);
            painter.end();
            benchmark::DoNotOptimize(image);
        }
    }
    report(state);
}

} // namespace

BENCHMARK(BM_Record)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QPainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EnginePrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EngineReplayToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QPainterRenderPreview)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EngineRenderPreview)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    // --pages N: pages per job (1,000 unless given).
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pages") == 0 && i + 1 < argc)
            gPages = std::max(1, std::atoi(argv[++i]));
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QFile::remove(scratchPdf());
    return 0;
}
