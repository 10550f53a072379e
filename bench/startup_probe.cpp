// startup-probe PROGRAM [ARG...]
//
// Starts PROGRAM on the X display in $DISPLAY and prints one line:
//   <ms from exec to its first window mapped> <VmRSS in KiB 0.5 s later>
// then ends the program. The probe listens to the root window for map
// events before it forks, so no map can slip by, and it needs no window
// manager (Xvfb has none). Exit status 1 when the program does not map a
// window within 20 s or ends before it does.

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
    double mapped = -1;
    while (mapped < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mapped = now();
                break;
            }
        }
        if (mapped >= 0)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup-probe: %s ended before mapping a window\n", argv[1]);
            return 1;
        }
        if (now() - start > 20000) {
            std::fprintf(stderr, "startup-probe: %s mapped no window in 20 s\n", argv[1]);
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
    std::printf("%.1f %ld\n", mapped - start, kib);
    XCloseDisplay(display);
    return finish(pid, kib < 0 ? 1 : 0);
}
