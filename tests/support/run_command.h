#pragma once

#include <string>

namespace testing_support {

// Runs a shell command and returns what it wrote to standard output (empty
// when it could not be started). For tests that ask other programs, such as
// other xBase readers, what they see in our files.
std::string runCommand(const std::string& command);

} // namespace testing_support
