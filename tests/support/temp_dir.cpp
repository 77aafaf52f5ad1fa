#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <random>

namespace testing_support {

TempDir::TempDir()
{
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("quorvel-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate.string();
            break;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return path_ + "/" + name; }

std::string sourceDir()
{
    const char* dir = std::getenv("QUORVEL_SOURCE_DIR");
    return dir ? dir : QUORVEL_SOURCE_DIR_DEFAULT;
}

} // namespace testing_support
