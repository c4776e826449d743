// The floor for start-up measurements: the least a Qt Widgets program of this tree
// does before its first window appears (one QApplication, one empty top-level
// QWidget). The benchmark harness compares the real program against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zarvo bench floor"));
    // About the size of the program's main window, so both first paints fill a similar area.
    window.resize(460, 480);
    window.show();
    return app.exec();
}
