// Clip art of many filled triangles, as an enhanced metafile played by our
// player and, as the reference, the same triangles drawn straight with
// QPainter, at screen size and at a printer's size. The gap is what parsing
// the records and keeping the device context costs.
#include "metafile_builder.h"

#include "picture/image_metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

using namespace metafile_test;

namespace {

int gShapes = 5000;

struct TShape {
    QPolygonF points;
    QRgb colour;
};

// The same pseudo-random shapes on every run, in a 1000 x 1000 frame.
std::vector<TShape> Shapes()
{
    std::vector<TShape> shapes;
    std::uint32_t seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    for (int i = 0; i < gShapes; ++i) {
        const int x = next(900), y = next(900);
        shapes.push_back({QPolygonF({QPointF(x, y), QPointF(x + next(100), y + next(30)),
                                     QPointF(x + next(40), y + next(100))}),
                          qRgb(next(256), next(256), next(256))});
    }
    return shapes;
}

QByteArray Metafile(const std::vector<TShape>& shapes)
{
    TEmfBuilder emf(QSize(1000, 1000));
    emf.Record(37, {0x80000008}); // no pen
    for (const TShape& shape : shapes) {
        const QRgb c = shape.colour;
        emf.Record(39, {1, 0, qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16), 0}).Record(37, {1});
        QByteArray polygon = Le32s({0, 0, 999, 999, 3});
        for (const QPointF& point : shape.points) {
            AppendLe16(polygon, static_cast<int>(point.x()));
            AppendLe16(polygon, static_cast<int>(point.y()));
        }
        emf.Raw(86, polygon).Record(40, {1});
    }
    return emf.Build();
}

void Counters(benchmark::State& state)
{
    state.counters["per_shape"] = benchmark::Counter(static_cast<double>(gShapes),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_QPainterDirect(benchmark::State& state)
{
    const std::vector<TShape> shapes = Shapes();
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 1000.0, side / 1000.0);
        painter.setPen(Qt::NoPen);
        for (const TShape& shape : shapes) {
            painter.setBrush(QColor(shape.colour));
            painter.drawPolygon(shape.points);
        }
        painter.end();
        benchmark::DoNotOptimize(image);
    }
    Counters(state);
}

void BM_MetafilePlayer(benchmark::State& state)
{
    const QByteArray file = Metafile(Shapes());
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QImage image = picture::metafile::RenderDrawing(file, QSize(side, side));
        benchmark::DoNotOptimize(image);
    }
    Counters(state);
}

} // namespace

BENCHMARK(BM_QPainterDirect)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MetafilePlayer)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // --shapes N: shapes per picture (5,000 unless given).
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--shapes") == 0 && i + 1 < argc)
            gShapes = std::max(1, std::stoi(argv[++i]));
        else
            rest.push_back(argv[i]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int restCount = static_cast<int>(rest.size());
    QGuiApplication app(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
