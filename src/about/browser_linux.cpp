// Linux side of the browser calls, through GIO as every desktop does it: the content type of
// the temporary page, the desktop's default program for it (or for http addresses), and a
// launch of that program's desktop entry, whose Exec line GIO expands in full: field codes,
// wrappers such as env or flatpak, and terminal programs.
#include "about/browser.h"

#include <fstream>
#include <iterator>
#include <memory>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace taremo {

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GAppInfo, Unref>;

struct FreeText {
    void operator()(gchar* text) const { g_free(text); }
};
using Text = std::unique_ptr<gchar, FreeText>;

constexpr std::streamsize kSniffLength = 4096;

// The content type GIO gives the file from its name and its first bytes.
Text contentTypeOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string head(static_cast<std::size_t>(kSniffLength), '\0');
    in.read(head.data(), kSniffLength);
    head.resize(static_cast<std::size_t>(in.gcount()));
    return Text(g_content_type_guess(file.c_str(), reinterpret_cast<const guchar*>(head.data()),
                                     head.size(), nullptr));
}

// The default program for `type` that takes addresses (a browser), or null.
AppInfo defaultFor(const char* type)
{
    return AppInfo(type != nullptr ? g_app_info_get_default_for_type(type, TRUE) : nullptr);
}

} // namespace

std::string findBrowserFor(const std::filesystem::path& htmlFile)
{
    const Text type = contentTypeOf(htmlFile);
    AppInfo app = defaultFor(type.get());
    if (!app)
        app = defaultFor("x-scheme-handler/http");
    if (!app || !G_IS_DESKTOP_APP_INFO(app.get()))
        return {};
    const char* entry = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app.get()));
    return entry != nullptr ? entry : "";
}

// GIO starts the program detached: it is nobody's child once started, and the call returns as
// soon as the program runs (or has failed to).
bool startBrowser(const std::string& browser, const std::string& address, std::uintptr_t)
{
    if (browser.empty())
        return false;
    const AppInfo app(G_APP_INFO(g_desktop_app_info_new_from_filename(browser.c_str())));
    if (!app)
        return false; // the entry or its program has gone since the look-up
    GList uris{const_cast<gchar*>(address.c_str()), nullptr, nullptr};
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(app.get(), &uris, nullptr, &error) != FALSE;
    g_clear_error(&error);
    return started;
}

} // namespace taremo
