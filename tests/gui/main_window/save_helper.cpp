// A child process for the kill test: opens the main window on the home
// folder given, saves one record through it, says "SAVED" and waits to be
// killed. A file that a killed run left behind opens through the rebuild
// window; the helper rebuilds, as a user would, and says "REBUILT".
#include "app/main_window.h"
#include "ui/data_field_box.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace quorvel;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    TScriptedServices ui;
    QTimer rebuildClicker;
    QObject::connect(&rebuildClicker, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* reindex = modal ? modal->findChild<QPushButton*>(QStringLiteral("ReindexButton")) : nullptr;
        if (reindex && reindex->isEnabled()) {
            std::puts("REBUILT");
            std::fflush(stdout);
            reindex->click();
        }
    });
    rebuildClicker.start(50);
    TAddressMain window(QString::fromLocal8Bit(argv[1]));
    window.show();
    if (!QTest::qWaitFor([&window] { return window.started(); }, 10000))
        return 1;
    window.AddButtonClick();
    auto* lastName = window.findChild<TDataFieldBox*>(QStringLiteral("LNAMEEdit"));
    if (!lastName)
        return 1;
    lastName->setFocus();
    QTest::keyClicks(lastName, QString::fromLocal8Bit(argv[2]));
    window.SaveButtonClick();
    if (window.dataset().isEditing())
        return 1;
    std::puts("SAVED");
    std::fflush(stdout);
    return QApplication::exec();
}
