// The two options every Linux program answers before it opens a window: --version and --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace taremo {

// What the program prints (on standard output) and its exit status, instead of starting.
struct CommandLineAnswer {
    std::string text;
    int status = 0;
};

// The answer to `args` (the arguments after the program's name) when one of them is --version
// or --help; nothing when the game should start. Other arguments are left alone, as before.
std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& args);

} // namespace taremo
