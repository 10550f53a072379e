#include "kervadin/kervadin.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "kervadin: no display found; to run it without one, use "
                             "xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    kervadin::start();
    const int status = app.exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return status;
}
