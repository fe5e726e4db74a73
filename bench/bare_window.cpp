// The toolkit's floor for the start-up benchmark: a main window whose menu bar holds one
// menu, and nothing else. The game cannot open faster or smaller than this.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.show();
    return QApplication::exec();
}
