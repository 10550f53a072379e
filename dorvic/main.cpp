#include "dorvic/dorvic.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display the toolkit would only abort with its own message.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "dorvic: no display to show its window on (DISPLAY and "
                             "WAYLAND_DISPLAY are unset); run it under Xvfb: "
                             "xvfb-run -a build/dorvic\n");
        return 1;
    }
    QApplication app(argc, argv);
    dorvic::start();
    const int status = app.exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return status;
}
