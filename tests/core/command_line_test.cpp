// The answers to --version and --help, and the arguments left to the game.
#include "command_line.h"

#include <gtest/gtest.h>

using namespace taremo;

TEST(CommandLine, OnlyHelpAndVersionAreAnswered)
{
    EXPECT_FALSE(answerCommandLine({}) || answerCommandLine({"-psn_0_1", "--versions"}));
    EXPECT_TRUE(answerCommandLine({"--version"})->text.starts_with("Taremo "));
}

TEST(CommandLine, HelpSaysWhereEachKindOfCopyKeepsItsSettings)
{
    const auto help = answerCommandLine({"x", "--help"});
    ASSERT_TRUE(help && help->status == 0);
    const std::string expected =
        "Usage: taremo [--help | --version]\n"
        "Taremo, the nine-by-nine number-placement puzzle. Without options it opens the "
        "game.\n\n"
        "  --help     show this help and exit\n"
        "  --version  show the version and exit\n\n"
        "The language and the last difficulty are kept in start.ini and niveau.ini. The\n"
        "installed game, and a copy in a folder you may not write to, keep them in\n"
#ifdef _WIN32
        "%APPDATA%\\Taremo; any other copy, such as an unpacked zip, keeps them beside\n"
        "taremo.exe.\n";
#else
        "$XDG_CONFIG_HOME/taremo (by default ~/.config/taremo); any other copy, such as the\n"
        "build folder, keeps them beside the game. See taremo(6).\n";
#endif
    EXPECT_EQ(help->text, expected);
}
