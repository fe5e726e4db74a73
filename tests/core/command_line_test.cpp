// The answers to --version and --help, and the arguments left to the game.
#include "command_line.h"

#include <gtest/gtest.h>

using namespace taremo;

TEST(CommandLine, AnswersVersionAndHelpWithItsOwnPlatformsSettingsFolder)
{
    EXPECT_FALSE(answerCommandLine({}) || answerCommandLine({"-psn_0_1", "--versions"}));
    EXPECT_TRUE(answerCommandLine({"--version"})->text.starts_with("Taremo "));
    const auto help = answerCommandLine({"x", "--help"});
    ASSERT_TRUE(help && help->status == 0);
#ifdef _WIN32
    const bool named = help->text.find("%APPDATA%\\Taremo") != std::string::npos;
    EXPECT_TRUE(named && help->text.find("XDG") == std::string::npos) << help->text;
#else
    EXPECT_NE(help->text.find("$XDG_CONFIG_HOME/taremo"), std::string::npos) << help->text;
#endif
}
