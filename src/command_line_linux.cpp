// Linux side of the command-line answers: standard output is the terminal's, or wherever the
// player sent it.
#include "command_line.h"

#include <cstdio>

namespace taremo {

void printAnswer(const CommandLineAnswer& answer)
{
    std::fputs(answer.text.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace taremo
