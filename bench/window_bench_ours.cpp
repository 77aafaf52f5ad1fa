// Our side of the main window benchmark: the real main window on the
// offscreen platform, driven through its own commands (no dialogs: the
// message and dialog seams are scripted).
#include "address_table_xbase.h"
#include "window_bench_phases.h"

#include "app/main_window.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <stdexcept>

namespace quorvel::bench {

namespace {

// The table is made with the engine directly; the window only ever opens it.
long long prepareAddressFile(const std::string& path, std::uint32_t records)
{
    std::unique_ptr<xbase::WorkArea> area = createAddressTable(path);
    appendAddressRecords(*area, records, true);
    buildAddressTags(*area);
    const long long count = area->recCount();
    check(area->close(), "close");
    return count;
}

// A home folder whose settings keep the start-up quiet: no Getting Started,
// no aggressive saving.
QString prepareHome(const std::string& folder)
{
    const QString home = QString::fromStdString(folder) + QStringLiteral("/home/");
    QDir().mkpath(home + QStringLiteral("DATA"));
    QFile ini(home + QStringLiteral("QUORVL.ini"));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the settings file");
    ini.write("[Misc]\r\nGettingStarted=1\r\n[Editing]\r\nAggressiveSave=0\r\n");
    return home;
}

void waitForStart(TAddressMain& window)
{
    QElapsedTimer waited;
    waited.start();
    while (!window.started()) {
        if (waited.elapsed() > 60000)
            throw std::runtime_error("the main window did not start");
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

long long shown(TAddressMain& window) { return static_cast<long long>(window.dataset().RecNo()); }

} // namespace

std::vector<PhaseResult> runWindowSide(const WindowBenchConfig& config)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "bench_window";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    TScriptedServices ui;

    const QString home = prepareHome(config.folder);
    const std::string path = home.toStdString() + "DATA/BIGLIST.DBF";
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseSetUp, [&] { return prepareAddressFile(path, config.records); });

    // The window starts on a small first file of its own, as on a first
    // start; the big one is then opened as the "Open" command does.
    TAddressMain window(home);
    window.show();
    waitForStart(window);
    const QString bigFile = QString::fromStdString(path);
    clock.run(kPhaseOpen, [&] {
        if (!window.OpenQVWDBF(bigFile))
            throw std::runtime_error("the window did not open " + path + ": " + ui.messages.lastText().toStdString());
        return shown(window);
    });
    clock.run(kPhaseSortCity, [&] {
        window.SetMenuOrder(QStringLiteral("&City"));
        return shown(window);
    });
    clock.run(kPhaseLast, [&] {
        window.LastRecord();
        return shown(window);
    });
    clock.run(kPhaseFirst, [&] {
        window.FirstRecord();
        return shown(window);
    });
    clock.run(kPhaseNext, [&] {
        for (std::uint32_t i = 0; i < config.steps; ++i)
            window.NextRecord();
        return shown(window);
    });
    window.close();
    return log;
}

} // namespace quorvel::bench
