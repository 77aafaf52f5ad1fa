#include "cli/dispatcher.h"

#include <QCoreApplication>

#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    // The supplied files are looked for beside the program, which Qt knows
    // through its application object.
    QCoreApplication application(argc, argv);
    return quorvel::cli::runCommandLine(words);
}
