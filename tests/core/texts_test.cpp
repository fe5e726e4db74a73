// The numbered texts and the words for assistive technology, word for word in the five languages
// as words_by_language.tsv writes them out, and the level line under the board made of them; and
// the desktop's language, read from its locale.
#include "lang/desktop_language.h"
#include "lang/spoken.h"
#include "lang/texts.h"

#include "support/temp_dir.h"

#include <cmath>
#include <map>

#include <gtest/gtest.h>

using namespace taremo;

// One row a text number or spoken word, one column a language, as the table of the tests holds
// them, as UTF-8 bytes.
TEST(Words, EveryWordIsAsTheTableWritesIt)
{
    std::string table = "text\tEnglish\tFrench\tGerman\tItalian\tSpanish\n";
    const auto row = [&table](const std::string& name, const auto& wordIn) {
        std::string line = name;
        for (float code = 1; code <= 5; ++code)
            line += "\t" + wordIn(code);
        if (line.find_first_not_of('\t', name.size()) != std::string::npos)
            table += line + "\n"; // numbers without a text in any language leave no row
    };
    for (std::int16_t number = -1; number <= 32; ++number)
        row(std::to_string(number), [number](float code) { return Traduction(code, number); });
    const char* spoken[] = {"CellName", "Wrong",        "Given",          "Right",
                            "Revealed", "Corrected",    "LanguageDialog", "NewGridDialog",
                            "AboutBox", "TitlePicture", "AboutTitle",     "AboutEmblem"};
    for (int word = 0; const char* name : spoken)
        row(name, [w = static_cast<Spoken>(word++)](float code) { return spokenText(code, w); });
    EXPECT_EQ(table, test::readBytes(TAREMO_WORDS_TABLE));
}

TEST(Traduction, OnlyExactLanguageCodesHaveTexts)
{
    for (float code : {2.5f, 6.0f, std::nanf(""), std::nextafter(1.0f, 0.0f)}) {
        EXPECT_EQ(Traduction(code, 1), "") << code;
        EXPECT_EQ(spokenText(code, Spoken::Wrong), "wrong") << "English for assistive technology";
    }
}

TEST(Traduction, EnglishStandsInUntilALanguageIsChosen)
{
    EXPECT_EQ(spokenText(0.0f, Spoken::Wrong), "wrong");
    float none = 0.0f;
    EXPECT_EQ(levelLine(none, 5), "Level Expert       Click in a compartment to have the answer");
    EXPECT_EQ(none, 1.0f) << "English from then on";
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set, after the first language of LANGUAGE
// that the game knows, unless that locale is C.
TEST(DesktopLanguage, LocaleVariablesAreReadInTheCLibrarysOrder)
{
    for (int flag = 0; const char* locale : {"en_GB", "fr", "de_CH.UTF-8", "it_IT@euro", "ES"})
        EXPECT_EQ(flagOfLocale(locale), flag++);
    const auto flag = [](std::map<std::string_view, const char*> set) {
        return flagFromEnvironment(
            [&](std::string_view name) { return set.count(name) ? set[name] : nullptr; });
    };
    EXPECT_EQ(flag({{"LC_ALL", "es_ES.utf8"}, {"LC_MESSAGES", "de"}, {"LANG", "fr_FR"}}), 4);
    // An empty variable counts as unset.
    EXPECT_EQ(flag({{"LC_ALL", ""}, {"LC_MESSAGES", "de_CH"}, {"LANG", "fr"}}), 2);
    EXPECT_EQ(flag({{"LANGUAGE", "eng:pt_BR:it@euro:fr"}, {"LANG", "es"}}), 3);
    EXPECT_EQ(flag({{"LANGUAGE", "de"}, {"LANG", "C"}}), kEnglishFlag);
}
