#include "runtime/program.h"

#include "runtime/form.h"

#include <QApplication>
#include <cstdio>

namespace rt {

Program::~Program() = default;

Form *Program::window(const QString &name) const
{
    for (Form *form : windows()) {
        if (form->objectName() == name)
            return form;
    }
    return nullptr;
}

int runProgram(int argc, char **argv, const char *name, const ProgramFactory &make)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "%s: no display to show its window on (DISPLAY and WAYLAND_DISPLAY are "
                     "unset); run it under Xvfb: xvfb-run -a %s\n",
                     name, argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    std::unique_ptr<Program> program = make();
    program->start();
    return app.exec();
}

} // namespace rt
