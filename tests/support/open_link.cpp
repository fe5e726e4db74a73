// Clicks the rating link in a process of its own, which meets GIO with the desktop its
// environment names. Arguments: the settings folder, then steps: "click" (prints the outcome),
// "plant" (a player's file at the temporary page's name), "wait=<file>" and "rm=<file>".
#include "about/rating_link.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    taremo::RatingLink link;
    for (int i = 2; i < argc; ++i) {
        const std::string_view step = argv[i];
        if (step == "click") {
            const taremo::LinkOutcome outcome = link.open(folder);
            std::printf("%s\n", outcome.message ? (outcome.message->title + ": " +
                                                   outcome.message->text).c_str()
                                                : "opened");
        } else if (step == "plant") {
            std::ofstream(folder / taremo::kTempPageName, std::ios::binary) << "mine";
        } else if (step.starts_with("wait=")) {
            for (int tries = 0; tries < 250 && !std::filesystem::exists(step.substr(5)); ++tries)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } else if (step.starts_with("rm=")) {
            std::filesystem::remove(std::string(step.substr(3)));
        } else {
            return 2;
        }
    }
    return 0;
}
