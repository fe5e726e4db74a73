// The two calls the rating link needs from the platform: which program opens web pages, and
// starting that program on an address.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace taremo {

// What names the program the desktop opens `htmlFile` with (UTF-8): on Windows the program's
// full path, on Linux the full path of its desktop entry; "" when there is none or it cannot
// be found. `htmlFile` should exist: the look-up asks about a real file.
std::string findBrowserFor(const std::filesystem::path& htmlFile);

// Starts `browser` (as findBrowserFor named it) on `address`, passed whole as one argument,
// without waiting for it, from the window `owner` (its native handle, 0 for none), which Windows
// makes the owner of whatever the shell shows meanwhile. Returns false when the program could
// not be started.
bool startBrowser(const std::string& browser, const std::string& address, std::uintptr_t owner);

} // namespace taremo
