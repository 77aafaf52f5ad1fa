#include "support/run_command.h"

#include <array>
#include <cstdio>

namespace testing_support {

std::string runCommand(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.append(buf.data(), n);
    pclose(pipe);
    return out;
}

} // namespace testing_support
