// startup-probe PROGRAM [ARG...]
//
// Starts PROGRAM on the X display in $DISPLAY and prints one line:
//   <ms to its first window mapped> <ms to its first paint> <VmRSS in KiB>
// timed from exec, the memory read 0.5 s after the first paint; then ends
// the program. The probe listens to the root window for windows made and
// mapped before it forks, so none can slip by, and watches each window the
// program makes with the DAMAGE extension: the first drawing into a mapped
// window is its first paint. It needs no window manager (Xvfb has none).
// Exit status 1 when the program does not paint a window within 20 s or
// ends before it does.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long residentKiB(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE *f = std::fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kib = std::atol(line + 6);
            break;
        }
    }
    std::fclose(f);
    return kib;
}

int finish(pid_t pid, int status)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return status;
}

// A window can be gone before the probe asks to watch it; that is no fault.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-probe PROGRAM [ARG...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup-probe: the display has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execv(argv[1], argv + 1);
        std::perror("startup-probe: exec");
        _exit(127);
    }
    if (pid < 0) {
        std::perror("startup-probe: fork");
        return 2;
    }

    const int fd = ConnectionNumber(display);
    std::set<Window> mappedWindows;
    double mapped = -1;
    double painted = -1;
    while (painted < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                XFlush(display);
            } else if (event.type == MapNotify && !event.xmap.override_redirect) {
                if (mapped < 0)
                    mapped = now();
                mappedWindows.insert(event.xmap.window);
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (mappedWindows.count(damage.drawable)) {
                    painted = now();
                    break;
                }
            }
        }
        if (painted >= 0)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup-probe: %s ended before painting a window\n", argv[1]);
            return 1;
        }
        if (now() - start > 20000) {
            std::fprintf(stderr, "startup-probe: %s painted no window in 20 s\n", argv[1]);
            return finish(pid, 1);
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait = {0, 50000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }

    usleep(500000);
    const long kib = residentKiB(pid);
    std::printf("%.1f %.1f %ld\n", mapped - start, painted - start, kib);
    XCloseDisplay(display);
    return finish(pid, kib < 0 ? 1 : 0);
}
