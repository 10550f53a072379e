// The yardstick of the start-up benchmark: a bare Qt window of the size of
// kervadin's main window, shown, and nothing else.
//
// With --label it also shows one line of text in the default font. Any
// window with text pays for loading the fonts before it maps; this variant
// tells that cost apart from the programs' own.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    const bool label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(792, 661);
    if (label)
        (new QLabel(QStringLiteral("Calculate"), &window))->move(10, 10);
    window.show();
    return app.exec();
}
