// Starts programs in turn on an X display and times each from fork() until the X server maps its first window;
// then reads the program's peak memory (VmHWM) once it has settled, and ends it.
//
//   startwatch RUNS NAME=PROGRAM NAME=PROGRAM
//
// Runs the two programs alternately, RUNS times each after one untimed start of each, and prints each run, the
// medians, and the ratio of the second program's medians to the first's. Run it on a display of its own, where no
// other program maps windows.
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string name;
    std::string path;
    std::vector<double> milliseconds;
    std::vector<double> peakMegabytes;
};

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double peakMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0; // the line gives kB
    }
    return 0;
}

void drain(Display* display) {
    XEvent event;
    while (XPending(display))
        XNextEvent(display, &event);
}

// Returns the milliseconds from fork() to the first map of a top-level window, or a negative number on failure.
double startOnce(Display* display, const Program& program, double* peak) {
    drain(display);
    const double started = now();
    const pid_t pid = fork();
    if (pid == 0) { // the program's own messages would only clutter the table
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0)
        return -1;
    double mapped = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (mapped < 0 && now() - started < 20000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && mapped < 0)
                mapped = now() - started;
        }
        if (mapped < 0 && waitpid(pid, nullptr, WNOHANG) == pid)
            return -1;
        if (mapped < 0)
            poll(&connection, 1, 2); // every 2 ms at the latest, at once when the server has news
    }
    usleep(400 * 1000); // the first paint and whatever follows it
    *peak = peakMegabytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSync(display, False);
    return mapped;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS NAME=PROGRAM NAME=PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < 4; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}});
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startwatch: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    for (int run = -1; run < runs; ++run) { // run -1 fills the page cache and is not counted
        for (Program& program : programs) {
            double peak = 0;
            const double milliseconds = startOnce(display, program, &peak);
            if (milliseconds < 0) {
                std::fprintf(stderr, "startwatch: %s exited or showed no window\n", program.path.c_str());
                return 1;
            }
            if (run < 0)
                continue;
            program.milliseconds.push_back(milliseconds);
            program.peakMegabytes.push_back(peak);
            std::printf("run %2d  %-12s %7.1f ms  %6.1f MB\n", run + 1, program.name.c_str(), milliseconds, peak);
        }
    }

    const Program& floor = programs[0];
    const Program& measured = programs[1];
    std::printf("\n%-14s %14s %18s\n", "", "median start", "median peak VmHWM");
    for (const Program& program : programs)
        std::printf("%-14s %11.1f ms %15.1f MB\n", program.name.c_str(), median(program.milliseconds),
                    median(program.peakMegabytes));
    std::printf("%-14s %14.3f %18.3f\n", ("ratio " + measured.name + "/" + floor.name).c_str(),
                median(measured.milliseconds) / median(floor.milliseconds),
                median(measured.peakMegabytes) / median(floor.peakMegabytes));
    XCloseDisplay(display);
    return 0;
}
