// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: starts X programs one after another, interleaved, and for each start measures
// how long its top-level window takes to be mapped and to receive its first paint, then what the
// process holds once it has settled. Prints each start as a JSON object, one a line; bench/report
// summarizes them.
//
// Timing is taken on CLOCK_MONOTONIC from just before the program is spawned.
//  - map:   the MapNotify of the program's top-level window, caught by listening for
//           SubstructureNotify on the root window (no window manager runs, so the top-level is a
//           direct child of the root and the map request is granted at once).
//  - paint: the first DAMAGE event on that window after it was mapped. Qt windows have no
//           background (back pixmap None), so mapping alone draws nothing; the first damage is
//           the program's own drawing of its contents, i.e. the flush of its first frame from the
//           backing store into the window.
// The damage object is created as soon as the window is created (CreateNotify), before it can be
// mapped, so no drawing escapes it.
//
// Settled figures are read a fixed time (500 ms by default) after the map: PSS and RSS from
// /proc/PID/smaps_rollup, user + system time from /proc/PID/stat (clock ticks), the on-CPU time
// of all threads from /proc/PID/task/*/schedstat (nanoseconds) and the distinct shared objects
// in /proc/PID/maps. The program is then killed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Program
{
    std::string name;
    std::string command;
};

struct Sample
{
    double mapMs = 0;
    double paintMs = 0;
    double pssKb = 0;
    double rssKb = 0;
    double ussKb = 0; // private pages only: unlike PSS, not lowered by other processes
    double cpuMs = 0; // user + system from /proc/PID/stat
    double onCpuMs = 0; // sum of the threads' schedstat run time
    double libraries = 0;
    double threads = 0;
    int paintWidth = 0;
    int paintHeight = 0;
    bool damagedBeforeMap = false;
    bool firstPaintWhole = false; // the first damage covered the whole window
};

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

int ignoreXErrors(Display *, XErrorEvent *)
{
    // Damage objects die with their windows; a late request on either is harmless here.
    return 0;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value in kB of a "Name:   1234 kB" line.
double smapsField(const std::string &text, const std::string &name)
{
    const std::size_t at = text.find("\n" + name + ":");
    if (at == std::string::npos)
        return 0;
    return std::strtod(text.c_str() + at + name.size() + 2, nullptr);
}

double statCpuMs(pid_t pid)
{
    const std::string text = readFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::vector<std::string> tokens;
    for (std::string token; fields >> token;)
        tokens.push_back(token);
    // Fields 14 and 15 of the line (utime, stime); the tokens start at field 3.
    if (tokens.size() < 13)
        return 0;
    const double ticks =
        std::strtod(tokens[11].c_str(), nullptr) + std::strtod(tokens[12].c_str(), nullptr);
    return ticks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// On-CPU nanoseconds of every live thread, and how many threads there are.
std::pair<double, int> schedstatMs(pid_t pid)
{
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    int threads = 0;
    if (DIR *tasks = opendir(dir.c_str())) {
        while (const dirent *entry = readdir(tasks)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string text = readFile(dir + "/" + entry->d_name + "/schedstat");
            total += std::strtod(text.c_str(), nullptr) / 1e6;
            ++threads;
        }
        closedir(tasks);
    }
    return { total, threads };
}

int sharedObjects(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        const std::string file = path.substr(path.rfind('/') + 1);
        const std::size_t so = file.find(".so");
        if (so != std::string::npos && (so + 3 == file.size() || file[so + 3] == '.'))
            files.insert(path);
    }
    return static_cast<int>(files.size());
}

std::optional<long> windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
            &count, &after, &data)
            == Success
        && data != nullptr && count == 1 && format == 32) {
        long value = 0;
        std::memcpy(&value, data, sizeof value);
        pid = value;
    }
    if (data != nullptr)
        XFree(data);
    return pid;
}

class Probe
{
public:
    Probe(Display *display, int damageEventBase, double settleMs, double timeoutMs, int killSignal)
        : m_display(display),
          m_root(DefaultRootWindow(display)),
          m_damageNotify(damageEventBase + XDamageNotify),
          m_settleMs(settleMs),
          m_timeoutMs(timeoutMs),
          m_killSignal(killSignal)
    {
        XSelectInput(m_display, m_root, SubstructureNotifyMask);
        XSync(m_display, False);
    }

    std::optional<Sample> measure(const Program &program)
    {
        drain();
        // The command may carry arguments, e.g. a wrapper such as valgrind before the program.
        std::istringstream words(program.command);
        std::vector<std::string> arguments;
        for (std::string word; words >> word;)
            arguments.push_back(word);
        std::vector<char *> argv;
        for (std::string &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        const double start = nowMs();
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            std::perror(program.command.c_str());
            return std::nullopt;
        }

        Sample sample;
        Window window = None;
        XWindowAttributes attributes{};
        std::set<Window> damaged;
        double mappedAt = 0;
        double paintedAt = 0;
        bool settled = false;
        const int fd = ConnectionNumber(m_display);

        while (nowMs() - start < m_timeoutMs && !(settled && paintedAt > 0)) {
            while (XPending(m_display) > 0) {
                XEvent event{};
                XNextEvent(m_display, &event);
                const double at = nowMs();
                if (event.type == CreateNotify && event.xcreatewindow.parent == m_root
                    && !event.xcreatewindow.override_redirect) {
                    XDamageCreate(
                        m_display, event.xcreatewindow.window, XDamageReportRawRectangles);
                    XFlush(m_display);
                } else if (event.type == MapNotify && event.xmap.event == m_root
                    && !event.xmap.override_redirect && window == None
                    && windowPid(m_display, event.xmap.window) == pid) {
                    window = event.xmap.window;
                    mappedAt = at;
                    sample.damagedBeforeMap = damaged.count(window) > 0;
                    XGetWindowAttributes(m_display, window, &attributes);
                } else if (event.type == m_damageNotify) {
                    const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                    if (window == None) {
                        damaged.insert(damage.drawable);
                    } else if (damage.drawable == window && paintedAt == 0) {
                        paintedAt = at;
                        sample.paintWidth = damage.area.width;
                        sample.paintHeight = damage.area.height;
                        sample.firstPaintWhole = damage.area.x == 0 && damage.area.y == 0
                            && damage.area.width == attributes.width
                            && damage.area.height == attributes.height;
                    }
                }
            }
            if (mappedAt > 0 && !settled && nowMs() - mappedAt >= m_settleMs) {
                settle(pid, sample);
                settled = true;
            }
            if (settled && paintedAt > 0)
                break;
            double wait = m_timeoutMs - (nowMs() - start);
            if (mappedAt > 0 && !settled)
                wait = std::min(wait, m_settleMs - (nowMs() - mappedAt));
            pollfd readable{ fd, POLLIN, 0 };
            poll(&readable, 1, std::max(0, static_cast<int>(wait) + 1));
        }

        kill(pid, m_killSignal);
        waitpid(pid, nullptr, 0);
        if (!(settled && paintedAt > 0)) {
            std::fprintf(stderr, "%s: no window painted within %.0f ms\n", program.name.c_str(),
                m_timeoutMs);
            return std::nullopt;
        }
        sample.mapMs = mappedAt - start;
        sample.paintMs = paintedAt - start;
        return sample;
    }

private:
    void drain()
    {
        XSync(m_display, False);
        while (XPending(m_display) > 0) {
            XEvent event{};
            XNextEvent(m_display, &event);
        }
    }

    static void settle(pid_t pid, Sample &sample)
    {
        const std::string smaps = readFile("/proc/" + std::to_string(pid) + "/smaps_rollup");
        sample.pssKb = smapsField(smaps, "Pss");
        sample.rssKb = smapsField(smaps, "Rss");
        sample.ussKb = smapsField(smaps, "Private_Clean") + smapsField(smaps, "Private_Dirty");
        sample.cpuMs = statCpuMs(pid);
        const auto [onCpu, threads] = schedstatMs(pid);
        sample.onCpuMs = onCpu;
        sample.threads = threads;
        sample.libraries = sharedObjects(pid);
    }

    Display *m_display;
    Window m_root;
    int m_damageNotify;
    double m_settleMs;
    double m_timeoutMs;
    int m_killSignal;
};

void usage()
{
    std::fprintf(stderr,
        "usage: startup_probe [--runs N] [--warmup N] [--settle-ms MS] [--pause-ms MS]\n"
        "                     [--timeout-ms MS] [--term] NAME=COMMAND...\n"
        "Starts the commands interleaved, N times each, on $DISPLAY, and prints each start\n"
        "as a JSON object on a line of its own. --term ends each program with SIGTERM rather\n"
        "than SIGKILL, so that a wrapper such as valgrind can write its results.\n");
}

// A start's figures: times in ms, memory in kB.
void print(const std::string &program, int run, const Sample &sample)
{
    std::printf("{\"program\": \"%s\", \"run\": %d, \"map_ms\": %.3f, \"paint_ms\": %.3f, "
                "\"pss_kb\": %.0f, \"rss_kb\": %.0f, \"uss_kb\": %.0f, \"cpu_ms\": %.0f, "
                "\"oncpu_ms\": %.3f, \"libraries\": %.0f, \"threads\": %.0f, "
                "\"paint_width\": %d, \"paint_height\": %d, \"first_paint_whole\": %s, "
                "\"damaged_before_map\": %s}\n",
        program.c_str(), run, sample.mapMs, sample.paintMs, sample.pssKb, sample.rssKb,
        sample.ussKb, sample.cpuMs, sample.onCpuMs, sample.libraries, sample.threads,
        sample.paintWidth, sample.paintHeight, sample.firstPaintWhole ? "true" : "false",
        sample.damagedBeforeMap ? "true" : "false");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 15;
    int warmup = 1;
    double settleMs = 500;
    double pauseMs = 200;
    double timeoutMs = 20000;
    int killSignal = SIGKILL;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue)
            runs = std::atoi(argv[++i]);
        else if (arg == "--warmup" && hasValue)
            warmup = std::atoi(argv[++i]);
        else if (arg == "--settle-ms" && hasValue)
            settleMs = std::atof(argv[++i]);
        else if (arg == "--pause-ms" && hasValue)
            pauseMs = std::atof(argv[++i]);
        else if (arg == "--timeout-ms" && hasValue)
            timeoutMs = std::atof(argv[++i]);
        else if (arg == "--term")
            killSignal = SIGTERM;
        else if (const std::size_t eq = arg.find('='); eq != std::string::npos && eq > 0)
            programs.push_back({ arg.substr(0, eq), arg.substr(eq + 1) });
        else {
            usage();
            return 2;
        }
    }
    if (programs.empty() || runs < 1) {
        usage();
        return 2;
    }

    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open display %s\n", std::getenv("DISPLAY"));
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    int damageEvents = 0;
    int damageErrors = 0;
    if (!XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    int major = 1;
    int minor = 1;
    XDamageQueryVersion(display, &major, &minor);

    Probe probe(display, damageEvents, settleMs, timeoutMs, killSignal);
    int failures = 0;
    for (int round = -warmup; round < runs; ++round) {
        for (const Program &program : programs) {
            const std::optional<Sample> sample = probe.measure(program);
            usleep(static_cast<useconds_t>(pauseMs * 1000));
            if (!sample)
                ++failures;
            else if (round >= 0)
                print(program.name, round, *sample);
        }
    }
    XCloseDisplay(display);
    if (failures > 0)
        std::fprintf(stderr, "%d starts failed\n", failures);
    return failures > 0 ? 1 : 0;
}
