// Starts programs in turn on an X display and times each from fork() until the X server maps its first window, and
// until that window first shows its complete frame, so that text a program lays out or fonts it loads only when it
// paints count too. Then reads the program's peak memory (VmHWM) and ends it.
//
//   startwatch RUNS NAME=PROGRAM NAME=PROGRAM
//
// A PROGRAM may carry arguments after blanks ("wine QelWizard.exe"). A first, untimed start of each program learns
// its complete frame: what the window shows after three seconds. Pixels that keep changing by themselves after that
// (a default button's glow, a caret) are left out of the comparison. A timed start ends at the first read of the
// window, every 2 ms, whose other pixels all equal that frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<char> bytes; // as the server sends them, row after row
};

struct Program {
    std::string name;
    std::string command;
    Frame complete;
    std::vector<bool> animated; // one flag per byte of the complete frame
    std::vector<double> mapped;
    std::vector<double> framed;
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

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
} // a window may go away between two reads

// What the window shows now; empty while it cannot be read (not yet viewable, or already gone).
Frame read(Display* display, Window window) {
    Frame frame;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return frame;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return frame;
    frame.width = attributes.width;
    frame.height = attributes.height;
    frame.bytes.assign(image->data, image->data + static_cast<std::size_t>(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return frame;
}

bool showsComplete(const Frame& frame, const Program& program) {
    const Frame& complete = program.complete;
    if (frame.width != complete.width || frame.height != complete.height || frame.bytes.size() != complete.bytes.size())
        return false;
    for (std::size_t i = 0; i < frame.bytes.size(); ++i) {
        if (frame.bytes[i] != complete.bytes[i] && !program.animated[i])
            return false;
    }
    return true;
}

class Start {
public:
    Start(Display* display, const std::string& command)
        : m_display(display) {
        while (XPending(display)) { // maps from earlier starts
            XEvent event;
            XNextEvent(display, &event);
        }
        std::vector<std::string> words;
        std::istringstream line(command);
        for (std::string word; line >> word;)
            words.push_back(word);
        std::vector<char*> arguments;
        for (std::string& word : words)
            arguments.push_back(word.data());
        arguments.push_back(nullptr);
        m_started = now();
        m_pid = fork();
        if (m_pid == 0) { // the program's own messages would only clutter the table
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
            execvp(arguments[0], arguments.data());
            _exit(127);
        }
    }
    ~Start() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        XSync(m_display, False);
    }
    Start(const Start&) = delete;
    Start& operator=(const Start&) = delete;

    double elapsed() const { return now() - m_started; }
    double mapped() const { return m_mapped; }
    Window window() const { return m_window; }
    pid_t pid() const { return m_pid; }

    // Takes the server's news, then waits up to 2 ms for more; false once the program has ended.
    bool tick() {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                m_window = event.xmap.window; // the latest top-level window is the one to watch
                if (m_mapped < 0)
                    m_mapped = elapsed();
            }
        }
        if (m_pid <= 0 || waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return false;
        }
        pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
        poll(&connection, 1, 2);
        return true;
    }

private:
    Display* m_display;
    pid_t m_pid = -1;
    double m_started = 0;
    double m_mapped = -1;
    Window m_window = None;
};

// The untimed start: the window after three seconds, and which of its bytes then change within three more.
bool learn(Display* display, Program& program) {
    Start start(display, program.command);
    while (start.elapsed() < 3000) {
        if (!start.tick())
            return false;
    }
    program.complete = read(display, start.window());
    program.animated.assign(program.complete.bytes.size(), false);
    for (const double until = start.elapsed() + 3000; start.elapsed() < until;) {
        if (!start.tick())
            return false;
        const Frame frame = read(display, start.window());
        if (frame.bytes.size() != program.complete.bytes.size())
            return false; // a window that still changes its size has no settled frame
        for (std::size_t i = 0; i < frame.bytes.size(); ++i) {
            if (frame.bytes[i] != program.complete.bytes[i])
                program.animated[i] = true;
        }
    }
    return !program.complete.bytes.empty();
}

bool timeOnce(Display* display, Program& program) {
    Start start(display, program.command);
    while (start.elapsed() < 30000) {
        if (!start.tick())
            return false;
        if (start.window() != None && showsComplete(read(display, start.window()), program)) {
            const double framed = start.elapsed();
            program.mapped.push_back(start.mapped());
            program.framed.push_back(framed);
            while (start.elapsed() < framed + 300 && start.tick()) {
            }
            program.peakMegabytes.push_back(peakMegabytes(start.pid()));
            return true;
        }
    }
    return false;
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
    std::vector<Program> programs(2);
    for (int i = 0; i < 2; ++i) {
        const std::string argument = argv[i + 2];
        const std::size_t equals = argument.find('=');
        programs[i].name = argument.substr(0, equals);
        programs[i].command = argument.substr(equals + 1);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startwatch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    for (Program& program : programs) { // also fills the page cache
        if (!learn(display, program)) {
            std::fprintf(stderr, "startwatch: %s exited or showed no settled window\n", program.command.c_str());
            return 1;
        }
        const auto animated = std::count(program.animated.begin(), program.animated.end(), true);
        std::printf("%s: complete frame %dx%d, %ld bytes of it change by themselves and are left out\n",
                    program.name.c_str(), program.complete.width, program.complete.height, static_cast<long>(animated));
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            if (!timeOnce(display, program)) {
                std::fprintf(stderr, "startwatch: %s exited or never showed its frame\n", program.command.c_str());
                return 1;
            }
            std::printf("run %2d  %-12s mapped %7.1f ms  complete frame %7.1f ms  %6.1f MB\n", run + 1,
                        program.name.c_str(), program.mapped.back(), program.framed.back(),
                        program.peakMegabytes.back());
        }
    }

    const Program& floor = programs[0];
    const Program& measured = programs[1];
    std::printf("\n%-14s %14s %22s %18s\n", "", "median mapped", "median complete frame", "median peak VmHWM");
    for (const Program& program : programs)
        std::printf("%-14s %11.1f ms %19.1f ms %15.1f MB\n", program.name.c_str(), median(program.mapped),
                    median(program.framed), median(program.peakMegabytes));
    std::printf("%-14s %14.3f %22.3f %18.3f\n", ("ratio " + measured.name + "/" + floor.name).c_str(),
                median(measured.mapped) / median(floor.mapped), median(measured.framed) / median(floor.framed),
                median(measured.peakMegabytes) / median(floor.peakMegabytes));
    XCloseDisplay(display);
    return 0;
}
