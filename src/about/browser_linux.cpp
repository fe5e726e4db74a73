// Linux side of the browser calls: the desktop's default program for web pages, found the
// way the desktop itself finds it (xdg-mime, then the program's desktop entry), and started
// detached from the game. Nothing goes through a shell.
#include "about/browser.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taremo {

namespace {

constexpr std::size_t kMaxOutput = 64 * 1024; // xdg-mime answers one short line

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto end = std::min(list.find(':', start), list.size());
        parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool isExecutableFile(const std::string& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(file.c_str(), X_OK) == 0;
}

// The full path of `program` through PATH, or as it stands when it names a folder; "" when
// it is not an executable file.
std::string resolveProgram(const std::string& program)
{
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return isExecutableFile(program) ? program : std::string();
    const std::string path = env("PATH").empty() ? "/usr/local/bin:/usr/bin:/bin" : env("PATH");
    for (const std::string& dir : splitList(path)) {
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

// Pointers into `args`, which must outlive the result.
std::vector<char*> argumentVector(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    return argv;
}

void stdinFromNull()
{
    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (null >= 0)
        ::dup2(null, STDIN_FILENO);
}

std::string readAll(int fd)
{
    std::string output;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return output;
        if (output.size() < kMaxOutput)
            output.append(buffer, static_cast<std::size_t>(count));
    }
}

int waitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

// Runs `args` (the program found through PATH) and returns its standard output, or nothing
// when it could not run or did not end with status 0. Everything the child needs is made
// before the fork: the game has threads, so the child may only make async-safe calls.
std::optional<std::string> runCapture(const std::vector<std::string>& args)
{
    const std::string program = resolveProgram(args.front());
    if (program.empty())
        return std::nullopt;
    const std::vector<char*> argv = argumentVector(args);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        stdinFromNull();
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return std::nullopt;
    }
    const std::string output = readAll(fds[0]);
    ::close(fds[0]);
    const int status = waitFor(pid);
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}

std::vector<std::filesystem::path> applicationDirs()
{
    std::vector<std::filesystem::path> dirs;
    std::string home = env("XDG_DATA_HOME");
    if (home.empty() && !env("HOME").empty())
        home = env("HOME") + "/.local/share";
    if (!home.empty())
        dirs.push_back(std::filesystem::path(home) / "applications");
    const std::string data = env("XDG_DATA_DIRS");
    for (const std::string& dir : splitList(data.empty() ? "/usr/local/share:/usr/share" : data)) {
        if (!dir.empty())
            dirs.push_back(std::filesystem::path(dir) / "applications");
    }
    return dirs;
}

// The desktop entry file named by `id`, searched in the order the desktop searches it. A
// dash in an id may stand for a subfolder ("vendor-app.desktop" in vendor/app.desktop).
std::optional<std::filesystem::path> findDesktopEntry(const std::string& id)
{
    if (id.empty() || id.find('/') != std::string::npos)
        return std::nullopt;
    std::string nested = id;
    if (const auto dash = nested.find('-'); dash != std::string::npos)
        nested[dash] = '/';
    std::error_code error;
    for (const auto& dir : applicationDirs()) {
        for (const std::string& name : {id, nested}) {
            if (std::filesystem::is_regular_file(dir / name, error))
                return dir / name;
        }
    }
    return std::nullopt;
}

// The value of Exec in the [Desktop Entry] group of `entry`, or "".
std::string execLine(const std::filesystem::path& entry)
{
    std::ifstream in(entry);
    std::string line;
    bool inMainGroup = false;
    while (std::getline(in, line)) {
        const std::string text = trim(line);
        if (text.starts_with('[')) {
            inMainGroup = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (inMainGroup && equals != std::string::npos && trim(text.substr(0, equals)) == "Exec")
            return trim(text.substr(equals + 1));
    }
    return {};
}

// The words of an Exec line: blanks separate them, double quotes hold blanks in, and a
// backslash inside quotes takes the next character as it is.
std::vector<std::string> execWords(const std::string& exec)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char ch = exec[i];
        if (quoted && ch == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (ch == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (ch == ' ' || ch == '\t')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// The program an Exec line runs: its first word, past an "env NAME=value ..." prefix that
// some packagers put in front of the browser.
std::string execProgram(const std::string& exec)
{
    const std::vector<std::string> words = execWords(exec);
    std::size_t i = 0;
    if (i < words.size() && (words[i] == "env" || words[i].ends_with("/env"))) {
        ++i;
        while (i < words.size() && words[i].find('=') != std::string::npos)
            ++i;
    }
    return i < words.size() ? words[i] : std::string();
}

std::string firstLine(const std::string& text)
{
    return trim(std::string_view(text).substr(0, text.find_first_of("\n;")));
}

} // namespace

std::string findBrowserFor(const std::filesystem::path& htmlFile)
{
    std::string type =
        firstLine(runCapture({"xdg-mime", "query", "filetype", htmlFile.string()}).value_or(""));
    // Content sniffers call the tiny page plain text; its name says it is a web page.
    if (type.find("html") == std::string::npos)
        type = "text/html";
    const auto id = runCapture({"xdg-mime", "query", "default", type});
    if (!id)
        return {};
    const auto entry = findDesktopEntry(firstLine(*id));
    if (!entry)
        return {};
    const std::string program = resolveProgram(execProgram(execLine(*entry)));
    if (program.empty() || program.front() == '/')
        return program;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(program, error);
    return error ? program : absolute.string();
}

bool startBrowser(const std::string& browser, const std::string& address)
{
    if (browser.empty())
        return false;
    const std::vector<std::string> args{browser, address}; // argv points into these
    const std::vector<char*> argv = argumentVector(args);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        // A second fork leaves the browser to init, so no zombie waits on the game; the
        // pipe stays open only if execv fails, which the grandchild then reports.
        ::close(fds[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        stdinFromNull();
        ::execv(argv[0], argv.data());
        const int failure = errno;
        [[maybe_unused]] const ssize_t written = ::write(fds[1], &failure, sizeof failure);
        ::_exit(127);
    }
    ::close(fds[1]);
    if (child < 0) {
        ::close(fds[0]);
        return false;
    }
    const bool execFailed = !readAll(fds[0]).empty();
    ::close(fds[0]);
    const int status = waitFor(child);
    return !execFailed && status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace taremo
