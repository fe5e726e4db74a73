// Windows side of the command-line answers. The game is a windowed program: started from cmd
// or PowerShell it gets no output of its own, so it joins the console of the program that
// started it. An output already redirected to a file or a pipe is kept.
#include "command_line.h"

#include <windows.h>

#include <cstdio>

namespace taremo {

namespace {

bool hasOutput()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output != nullptr && output != INVALID_HANDLE_VALUE &&
           GetFileType(output) != FILE_TYPE_UNKNOWN;
}

} // namespace

void printAnswer(const CommandLineAnswer& answer)
{
    if (!hasOutput()) {
        // No console to join (started from Explorer): nothing to show, nothing to wait for.
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        if (std::freopen("CONOUT$", "w", stdout) == nullptr)
            return;
    }
    std::fputs(answer.text.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace taremo
