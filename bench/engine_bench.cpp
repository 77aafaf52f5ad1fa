// Engine benchmark: our table engine against SQLite on the same generated
// address records, phase by phase. Each side runs in a child process of its
// own so that the peak memory printed for it is its own and not the sum.
//
//   bench_engine [--records N] [--seeks N] [--dir FOLDER]
#include "engine_bench_phases.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

namespace {

using Side = std::vector<PhaseResult> (*)(const EngineBenchConfig&);

void writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(int fd)
{
    std::string text;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    return text;
}

// Runs one side in a child and reads back its phases, one line each:
// name TAB seconds TAB result TAB peak-kB.
std::vector<PhaseResult> runInChild(Side side, const EngineBenchConfig& config, const char* label)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::ostringstream out;
        int status = 0;
        try {
            for (const PhaseResult& p : side(config))
                out << p.name << '\t' << p.seconds << '\t' << p.result << '\t' << p.peakKb << '\n';
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s side failed: %s\n", label, e.what());
            status = 1;
        }
        writeAll(fds[1], out.str());
        _exit(status);
    }
    close(fds[1]);
    std::istringstream in(readAll(fds[0]));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(label) + " side did not finish");
    std::vector<PhaseResult> phases;
    std::string line;
    while (std::getline(in, line)) {
        PhaseResult p;
        std::istringstream fields(line);
        std::getline(fields, p.name, '\t');
        fields >> p.seconds >> p.result >> p.peakKb;
        phases.push_back(p);
    }
    return phases;
}

const PhaseResult* find(const std::vector<PhaseResult>& phases, const std::string& name)
{
    for (const PhaseResult& p : phases)
        if (p.name == name)
            return &p;
    return nullptr;
}

// Prints the table; false when the two sides disagree on an answer.
bool printReport(const EngineBenchConfig& config, const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& sqlite)
{
    bool agree = ours.size() == sqlite.size();
    std::printf("%u records, %u seeks\n\n", config.records, config.seeks);
    std::printf("%-28s %10s %10s %8s %10s %10s %11s %11s\n", "phase", "ours s", "SQLite s", "ratio",
                "ours n", "SQLite n", "ours MB", "SQLite MB");
    for (const PhaseResult& o : ours) {
        const PhaseResult* s = find(sqlite, o.name);
        const double sSeconds = s ? s->seconds : 0;
        agree = agree && s && s->result == o.result;
        std::printf("%-28s %10.3f %10.3f %8.2f %10lld %10lld %11.1f %11.1f\n", o.name.c_str(), o.seconds,
                    sSeconds, sSeconds > 0 ? o.seconds / sSeconds : 0.0, o.result, s ? s->result : 0,
                    o.peakKb / 1024.0, s ? s->peakKb / 1024.0 : 0.0);
    }
    const PhaseResult* indexed = find(ours, kPhaseCountIndexed);
    const PhaseResult* scanned = find(ours, kPhaseCountScan);
    if (indexed && scanned && indexed->seconds > 0)
        std::printf("\nours: tagged prefix count is %.1fx faster than a full scan\n", scanned->seconds / indexed->seconds);
    std::printf("ratio = ours / SQLite (below 1: ours is faster); MB = peak resident memory of that side's process so far\n");
    if (!agree)
        std::printf("the two sides DISAGREE on the answers above\n");
    return agree;
}

EngineBenchConfig parseArguments(int argc, char* argv[])
{
    EngineBenchConfig config;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--records")
            config.records = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--seeks")
            config.seeks = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--dir")
            config.folder = value;
        else
            throw std::invalid_argument("unknown option " + option);
    }
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    try {
        EngineBenchConfig config = parseArguments(argc, argv);
        const bool ownFolder = config.folder.empty();
        if (ownFolder) {
            config.folder = (std::filesystem::temp_directory_path() / ("quorvel-bench-" + std::to_string(getpid()))).string();
            std::filesystem::create_directories(config.folder);
        }
        const auto ours = runInChild(runXbaseSide, config, "our");
        const auto sqlite = runInChild(runSqliteSide, config, "SQLite");
        const bool agree = printReport(config, ours, sqlite);
        if (ownFolder)
            std::filesystem::remove_all(config.folder);
        return agree ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_engine: %s\n", e.what());
        return 1;
    }
}
