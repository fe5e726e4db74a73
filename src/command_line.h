// The two options the game answers before it opens a window: --version and --help.
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

// Writes the answer where the player who started the game can read it: on Windows a windowed
// program has no output of its own, so it first joins the console it was started from (a
// redirected output stays as it is); started without one, nothing shows and nothing waits.
void printAnswer(const CommandLineAnswer& answer);

} // namespace taremo
