#include "runtime/program.h"

#include "runtime/form.h"

#include <QApplication>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// The path of the running executable, as a word the shell takes whole.
std::string executableWord(const char *argv0)
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    const std::string path = length > 0 ? std::string(buffer, static_cast<size_t>(length))
                                        : std::string(argv0);
    bool plain = !path.empty();
    for (const char c : path) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                          || std::string("/._-+,:=@%").find(c) != std::string::npos;
        plain = plain && safe;
    }
    if (plain)
        return path;
    std::string quoted = "'";
    for (const char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Whether `dir` is a folder (not a link to one) that belongs to this user,
// readable and writable by the user alone; one of the user's own with other
// permissions is made so.
bool privateFolder(const std::string &dir)
{
    struct stat st;
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return false;
    return (st.st_mode & 07777) == 0700 || chmod(dir.c_str(), 0700) == 0;
}

} // namespace

void ensureRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const char *tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp == '/' ? tmp : "/tmp";
    // One folder per user, kept from run to run; when that name is taken by
    // something else, a fresh folder of a name no one can foresee.
    std::string dir = base + "/workshopcalc-runtime-" + std::to_string(geteuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return;
    if (!privateFolder(dir)) {
        std::string pattern = base + "/workshopcalc-runtime-XXXXXX";
        if (!mkdtemp(pattern.data()))
            return;
        dir = pattern;
    }
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

int runProgram(int argc, char **argv, const char *name, const ProgramFactory &make)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "%s: no display to show its window on (DISPLAY and WAYLAND_DISPLAY are "
                     "unset); run it under Xvfb: xvfb-run -a %s\n",
                     name, executableWord(argv[0]).c_str());
        return 1;
    }
    ensureRuntimeDir();
    QApplication app(argc, argv);
    std::unique_ptr<Program> program = make();
    program->start();
    return app.exec();
}

} // namespace rt
