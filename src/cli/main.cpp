#include "cli/dispatcher.h"

#include <QGuiApplication>

#include <string>
#include <vector>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's own notes (a runtime folder not set, a font substituted) mean
// nothing to a script reading stderr, where a command says what went wrong
// itself; only Qt's errors pass.
void keepQtErrors(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    // Label runs measure text and draw pages, which takes Qt's GUI side but
    // never a display: without a platform named, none is looked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(keepQtErrors);
    // The supplied files are looked for beside the program, which Qt knows
    // through its application object.
    QGuiApplication application(argc, argv);
    return quorvel::cli::runCommandLine(words);
}
