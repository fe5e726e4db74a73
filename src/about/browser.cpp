// The window the browser is started from, kept for the platform's start call.
#include "about/browser.h"

namespace taremo {

namespace {
std::uintptr_t g_owner = 0;
} // namespace

void setBrowserOwner(std::uintptr_t window) { g_owner = window; }

std::uintptr_t browserOwner() { return g_owner; }

} // namespace taremo
