// A reference beside the floor: the same empty window with one line of text. It shows
// what the first text of any Qt program costs (font configuration, font loading and
// shaping) before a single control of the program's own is made.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zarvo bench text floor"));
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Tibetan Astrology")));
    window.resize(460, 480);
    window.show();
    return app.exec();
}
