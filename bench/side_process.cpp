// Runs each side of a benchmark in a child process and prints the two side
// by side.
#include "side_process.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace quorvel::bench {

long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

namespace {

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

// One line a phase: name TAB seconds TAB result TAB peak-kB.
std::vector<PhaseResult> parsePhases(const std::string& text)
{
    std::istringstream in(text);
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

[[noreturn]] void runChild(const SideRun& side, const char* label, int fd)
{
    std::ostringstream out;
    int status = 0;
    try {
        for (const PhaseResult& p : side())
            out << p.name << '\t' << p.seconds << '\t' << p.result << '\t' << p.peakKb << '\n';
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s side failed: %s\n", label, e.what());
        status = 1;
    }
    writeAll(fd, out.str());
    std::fflush(nullptr);
    _exit(status);
}

const PhaseResult* find(const std::vector<PhaseResult>& phases, const std::string& name)
{
    for (const PhaseResult& p : phases)
        if (p.name == name)
            return &p;
    return nullptr;
}

} // namespace

std::vector<PhaseResult> runInChild(const SideRun& side, const char* label)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        close(fds[0]);
        runChild(side, label, fds[1]);
    }
    close(fds[1]);
    const std::string text = readAll(fds[0]);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(label) + " side did not finish");
    return parsePhases(text);
}

bool printSideBySide(const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& sqlite,
                     const char* referenceName)
{
    bool agree = ours.size() == sqlite.size();
    const std::string name = referenceName;
    std::printf("%-30s %10s %10s %8s %10s %10s %11s %11s\n", "phase", "ours s", (name + " s").c_str(), "ratio",
                "ours n", (name + " n").c_str(), "ours MB", (name + " MB").c_str());
    for (const PhaseResult& o : ours) {
        const PhaseResult* s = find(sqlite, o.name);
        const double sSeconds = s ? s->seconds : 0;
        agree = agree && s && s->result == o.result;
        std::printf("%-30s %10.3f %10.3f %8.2f %10lld %10lld %11.1f %11.1f\n", o.name.c_str(), o.seconds, sSeconds,
                    sSeconds > 0 ? o.seconds / sSeconds : 0.0, o.result, s ? s->result : 0, o.peakKb / 1024.0,
                    s ? s->peakKb / 1024.0 : 0.0);
    }
    return agree;
}

std::string makeRunFolder(const char* prefix)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (std::string(prefix) + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder.string();
}

} // namespace quorvel::bench
