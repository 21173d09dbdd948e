// Starts a program on the X display and prints one line: the milliseconds until its first window
// shows the window colour RGB(128,255,255) at (2,120), the CPU milliseconds of its main thread
// until then, its resident memory in KiB one second later, and the CPU ticks it then spends in
// the given number of idle seconds. Ends it after.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

static double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

static double mainThreadCpuMs(pid_t pid)
{
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double nanoseconds = 0;
    schedstat >> nanoseconds;
    return nanoseconds / 1e6;
}

static long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

int main(int argc, char **argv)
{
    Display *display = argc > 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr,
                     "usage: startwatch IDLE_SECONDS PROGRAM [ARGUMENTS] (with DISPLAY set)\n");
        return 2;
    }
    // A window can vanish between the events and a look at its pixels; that is no reason to stop.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    Window window = 0;
    double shown = 0, cpu = 0;
    while (!shown && now() < start + 20000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (!window && event.type == MapNotify && !event.xmap.override_redirect)
                window = event.xmap.window;
        }
        if (XImage *image
            = window ? XGetImage(display, window, 2, 120, 1, 1, AllPlanes, ZPixmap) : nullptr) {
            shown = XGetPixel(image, 0, 0) == 0x80ffff ? now() : 0;
            cpu = mainThreadCpuMs(pid);
            XDestroyImage(image);
        }
        if (!shown)
            usleep(200);
    }
    sleep(1);
    const long rss = residentKiB(pid), ticks = cpuTicks(pid);
    sleep(unsigned(std::atoi(argv[1])));
    const long idle = cpuTicks(pid) - ticks;
    kill(pid, SIGTERM);
    for (int i = 0; i < 50 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        usleep(100000);
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (!shown)
        return 1;
    std::printf("%.1f %.1f %ld %ld\n", shown - start, cpu, rss, idle);
    return 0;
}
