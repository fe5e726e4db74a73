// The program's entry: restore the stored choices, then show the first window.
#include "app/game.h"
#include "app/startup.h"
#include "command_line.h"
#include "mainwin/frm_main.h"
#include "widgets/message_box.h"
#include "widgets/paths.h"
#include "widgets/sharp_picture.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

[[maybe_unused]] bool envSet(const char* name) // not needed where a display always exists
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display the toolkit would abort with a long trace; one clear line is enough.
bool displayAvailable()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return envSet("DISPLAY") || envSet("WAYLAND_DISPLAY") || envSet("QT_QPA_PLATFORM");
#endif
}

void quietFatal(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg)
        return;
    // The usual cause is a display that cannot be reached; say so in one line.
    if (message.contains(QLatin1String("platform plugin"))) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "taremo: cannot open the display \"%s\"; start the game from a "
                     "desktop session.\n",
                     display ? display : "");
    } else {
        std::fprintf(stderr, "taremo: cannot start: %s\n",
                     qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
    }
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before anything of the toolkit, so that they need no display.
    if (const auto answer = taremo::answerCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc})) {
        taremo::printAnswer(*answer);
        return answer->status;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "taremo: no graphical display found (DISPLAY is not set); "
                             "start the game from a desktop session.\n");
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(quietFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // The one icon of every window, the main window's included.
    QApplication::setWindowIcon(taremo::gameIcon());

    // The game and its main window live as long as the toolkit, the window gone before it.
    taremo::Game game{.programDir = taremo::programDir()};
    const taremo::FirstWindow first = taremo::Main(game.settingsDir(), game.state, game.programDir);
    taremo::MessageBoxes messages;
    taremo::FrmMain window(game, messages);
    taremo::startGame(window, first);
    return QApplication::exec();
}
