#pragma once

#include <QByteArray>
#include <QGuiApplication>

// Fonts and painting need an application object; one for the whole run, on
// the offscreen platform unless another is asked for. It is never
// destroyed: tearing Qt's font cache down after main has returned crashes,
// and the process is ending anyway.
inline void EnsureFuzzApplication(const char* name)
{
    static int argc = 1;
    static QByteArray program(name);
    static char* argv[] = {program.data(), nullptr};
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        Q_UNUSED(app);
    }
}
