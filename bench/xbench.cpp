// SPDX-License-Identifier: MIT

// Start-up and idle timing of X11 programs, taken from the X server's own
// events rather than by polling: a client's top-level window is followed from
// its creation, its map is timed by MapNotify, and it counts as drawn once
// XDamage has reported nothing on it for a quiet spell. The launched process's
// CPU time is read from its CPU-time clock (nanosecond resolution, all
// threads), its peak resident memory from /proc.
//
//   xbench startup RUNS NAME=COMMAND NAME=COMMAND ...
//       one warm-up launch of each command, then RUNS rounds that launch each
//       command in turn; prints every launch and a Markdown table of medians
//       with each command's ratio to the last one (the reference).
//   xbench idle RUNS COMMAND
//       CPU used over 5 s with only the main window open, over 5 s while the
//       Help window (opened with Alt+H) animates, and over 5 s after it is
//       closed again; medians of RUNS launches.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr double quietMs = 300;
constexpr double settleMs = 1000;
constexpr double idleSpellMs = 5000;
constexpr double giveUpMs = 20000;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "xbench: %s\n", why.c_str());
    std::exit(1);
}

// Windows vanish under us all the time (a killed client, a frame the window
// manager drops); requests on them fail harmlessly.
int ignoreErrors(Display *, XErrorEvent *) { return 0; }

// A launched program and what the X server tells about its windows.
class Launch {
public:
    Launch(Display *dpy, int damageEvent, const std::string &command)
        : dpy_(dpy)
        , damageEvent_(damageEvent)
    {
        root_ = DefaultRootWindow(dpy_);
        pidAtom_ = XInternAtom(dpy_, "_NET_WM_PID", False);
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        XSync(dpy_, False);

        char *argv[] = {const_cast<char *>(command.c_str()), nullptr};
        start_ = nowMs();
        if (const int err = posix_spawn(&pid_, command.c_str(), nullptr, nullptr, argv, environ))
            fail("cannot start " + command + ": " + std::strerror(err));
        if (clock_getcpuclockid(pid_, &cpuClock_) != 0)
            fail("no CPU clock for " + command);
    }

    ~Launch()
    {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        XSelectInput(dpy_, root_, NoEventMask);
        XSync(dpy_, True);
    }

    Launch(const Launch &) = delete;
    Launch &operator=(const Launch &) = delete;

    pid_t pid() const { return pid_; }
    double start() const { return start_; }

    // CPU time the process has used so far, in milliseconds.
    double cpuMs() const
    {
        timespec ts{};
        if (clock_gettime(cpuClock_, &ts) != 0)
            return -1;
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    }

    // Peak resident memory so far, in MiB.
    double peakRssMiB() const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmHWM:", 0) == 0)
                return std::atof(line.c_str() + 6) / 1024.0;
        }
        return -1;
    }

    // Handles X events until `done` holds or the deadline passes.
    template <class Done>
    bool runUntil(Done done, double deadline)
    {
        while (!done()) {
            const double left = deadline - nowMs();
            if (left <= 0)
                return false;
            if (!XPending(dpy_)) {
                pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
                poll(&fd, 1, int(std::min(left, 20.0)) + 1);
                if (!XPending(dpy_))
                    continue;
            }
            XEvent ev;
            XNextEvent(dpy_, &ev);
            handle(ev);
        }
        return true;
    }

    // The n-th top-level window of this process to be mapped (0 is the main
    // window), once it has been.
    std::optional<Window> mapped(std::size_t n) const
    {
        return n < mappedOrder_.size() ? std::optional(mappedOrder_[n]) : std::nullopt;
    }
    double mapTime(Window w) const { return windows_.at(w).mapTime; }
    double lastDamage(Window w) const { return windows_.at(w).lastDamage; }
    double cpuAtLastDamage(Window w) const { return windows_.at(w).cpuAtLastDamage; }
    int damageCount(Window w) const { return windows_.at(w).damages; }

    // Waits for window n to map and then to stay undamaged for the quiet
    // spell; false if that does not happen in time.
    bool waitDrawn(std::size_t n)
    {
        const double deadline = nowMs() + giveUpMs;
        if (!runUntil([&] { return mapped(n).has_value(); }, deadline))
            return false;
        const Window w = *mapped(n);
        return runUntil(
            [&] {
                const double last = lastDamage(w);
                return last > 0 && nowMs() - last >= quietMs;
            },
            deadline);
    }

    // Keeps handling events (so the server never stalls on us) for a while.
    void pass(double ms)
    {
        runUntil([] { return false; }, nowMs() + ms);
    }

private:
    struct Tracked {
        Damage damage = 0;
        double mapTime = 0;
        double lastDamage = 0;
        double cpuAtLastDamage = 0;
        int damages = 0;
        bool ours = false;
    };

    bool ownedByChild(Window w)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        bool ours = false;
        if (XGetWindowProperty(dpy_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
                == Success
            && data && count == 1 && format == 32)
            ours = pid_t(*reinterpret_cast<unsigned long *>(data)) == pid_;
        if (data)
            XFree(data);
        return ours;
    }

    void track(Window w)
    {
        if (windows_.count(w))
            return;
        Tracked &t = windows_[w];
        // Damage is watched from creation on, so no drawing can slip past
        // before the map is seen.
        XSelectInput(dpy_, w, StructureNotifyMask);
        t.damage = XDamageCreate(dpy_, w, XDamageReportNonEmpty);
        XWindowAttributes attributes{};
        // A window mapped before the selection took effect is timed now.
        if (XGetWindowAttributes(dpy_, w, &attributes) && attributes.map_state != IsUnmapped)
            noteMapped(w);
    }

    void noteMapped(Window w)
    {
        Tracked &t = windows_[w];
        if (t.mapTime > 0)
            return;
        t.mapTime = nowMs();
        if (!ownedByChild(w))
            return;
        t.ours = true;
        mappedOrder_.push_back(w);
    }

    void handle(const XEvent &ev)
    {
        if (ev.type == CreateNotify) {
            if (ev.xcreatewindow.parent == root_ && !ev.xcreatewindow.override_redirect)
                track(ev.xcreatewindow.window);
        } else if (ev.type == MapNotify) {
            if (windows_.count(ev.xmap.window))
                noteMapped(ev.xmap.window);
        } else if (ev.type == damageEvent_ + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(ev);
            XDamageSubtract(dpy_, damage.damage, None, None);
            auto it = windows_.find(damage.drawable);
            if (it != windows_.end()) {
                it->second.lastDamage = nowMs();
                it->second.cpuAtLastDamage = cpuMs();
                ++it->second.damages;
            }
        }
    }

    Display *dpy_;
    int damageEvent_;
    Window root_ = 0;
    Atom pidAtom_ = 0;
    pid_t pid_ = 0;
    clockid_t cpuClock_{};
    double start_ = 0;
    std::map<Window, Tracked> windows_;
    std::vector<Window> mappedOrder_;
};

struct StartupFigures {
    double mapMs, drawnMs, cpuMs, rssMiB;
};

std::optional<StartupFigures> startupOnce(Display *dpy, int damageEvent, const std::string &command)
{
    Launch launch(dpy, damageEvent, command);
    if (!launch.waitDrawn(0))
        return std::nullopt;
    const Window w = *launch.mapped(0);
    StartupFigures f{launch.mapTime(w) - launch.start(), launch.lastDamage(w) - launch.start(),
                     launch.cpuAtLastDamage(w), 0};
    launch.pass(settleMs);
    f.rssMiB = launch.peakRssMiB();
    return f;
}

struct Program {
    std::string name, command;
    std::vector<StartupFigures> runs;
};

int startup(Display *dpy, int damageEvent, int rounds, std::vector<Program> programs)
{
    for (Program &p : programs) {
        if (!startupOnce(dpy, damageEvent, p.command))
            fail(p.name + ": the warm-up launch never showed a drawn window");
    }
    for (int round = 0; round < rounds; ++round) {
        for (Program &p : programs) {
            const auto f = startupOnce(dpy, damageEvent, p.command);
            if (!f)
                fail(p.name + ": no drawn window");
            p.runs.push_back(*f);
            std::fprintf(stderr, "%-10s run %2d  map %6.1f ms  drawn %6.1f ms  cpu %6.1f ms  peak rss %5.1f MiB\n",
                         p.name.c_str(), round + 1, f->mapMs, f->drawnMs, f->cpuMs, f->rssMiB);
        }
    }

    auto column = [](const Program &p, double StartupFigures::*field) {
        std::vector<double> v;
        for (const StartupFigures &f : p.runs)
            v.push_back(f.*field);
        return median(v);
    };
    const Program &reference = programs.back();
    std::printf("| Start-up (median of %d launches) | Mapped | Drawn | CPU to drawn | Peak resident |\n", rounds);
    std::printf("| --- | ---: | ---: | ---: | ---: |\n");
    for (const Program &p : programs) {
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.1f MiB |\n", p.name.c_str(),
                    column(p, &StartupFigures::mapMs), column(p, &StartupFigures::drawnMs),
                    column(p, &StartupFigures::cpuMs), column(p, &StartupFigures::rssMiB));
    }
    for (const Program &p : programs) {
        if (&p == &reference)
            continue;
        auto ratio = [&](double StartupFigures::*field) { return column(p, field) / column(reference, field); };
        std::printf("| %s / %s | %.2f | %.2f | %.2f | %+.1f MiB |\n", p.name.c_str(), reference.name.c_str(),
                    ratio(&StartupFigures::mapMs), ratio(&StartupFigures::drawnMs), ratio(&StartupFigures::cpuMs),
                    column(p, &StartupFigures::rssMiB) - column(reference, &StartupFigures::rssMiB));
    }
    return 0;
}

void pressAltH(Display *dpy, Window target)
{
    XSetInputFocus(dpy, target, RevertToParent, CurrentTime);
    XSync(dpy, False);
    const KeyCode alt = XKeysymToKeycode(dpy, XK_Alt_L);
    const KeyCode h = XKeysymToKeycode(dpy, XK_h);
    XTestFakeKeyEvent(dpy, alt, True, 0);
    XTestFakeKeyEvent(dpy, h, True, 0);
    XTestFakeKeyEvent(dpy, h, False, 0);
    XTestFakeKeyEvent(dpy, alt, False, 0);
    XSync(dpy, False);
}

void askToClose(Display *dpy, Window w)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XSync(dpy, False);
}

int idle(Display *dpy, int damageEvent, int rounds, const std::string &command)
{
    std::vector<double> mainOnly, animating, afterClose;
    for (int round = 0; round < rounds; ++round) {
        Launch launch(dpy, damageEvent, command);
        if (!launch.waitDrawn(0))
            fail("the main window never finished drawing");
        launch.pass(settleMs);
        auto spell = [&] {
            const double before = launch.cpuMs();
            launch.pass(idleSpellMs);
            return launch.cpuMs() - before;
        };
        const double quiet = spell();

        pressAltH(dpy, *launch.mapped(0));
        if (!launch.runUntil([&] { return launch.mapped(1).has_value(); }, nowMs() + giveUpMs))
            fail("Alt+H opened no Help window");
        const Window help = *launch.mapped(1);
        launch.pass(settleMs);
        const int damagesBefore = launch.damageCount(help);
        const double busy = spell();
        const int frames = launch.damageCount(help) - damagesBefore;
        // A window that stopped animating would make the figure meaningless.
        if (frames < 10)
            fail("the Help window drew only " + std::to_string(frames) + " times in 5 s");

        askToClose(dpy, help);
        launch.pass(settleMs);
        const double closed = spell();

        std::fprintf(stderr,
                     "idle run %d  main window %.2f ms  Help animating %.2f ms (%d redraws)  Help closed %.2f ms\n",
                     round + 1, quiet, busy, frames, closed);
        mainOnly.push_back(quiet);
        animating.push_back(busy);
        afterClose.push_back(closed);
    }
    std::printf("| Idle CPU over 5 s (median of %d) | CPU |\n", rounds);
    std::printf("| --- | ---: |\n");
    std::printf("| Main window only | %.2f ms |\n", median(mainOnly));
    std::printf("| Help window animating | %.2f ms |\n", median(animating));
    std::printf("| Help window closed again | %.2f ms |\n", median(afterClose));
    return 0;
}

[[noreturn]] void usage()
{
    std::fputs("usage: xbench startup RUNS NAME=COMMAND... (the last is the reference)\n"
               "       xbench idle RUNS COMMAND\n",
               stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4)
        usage();
    const std::string mode = argv[1];
    const int rounds = std::atoi(argv[2]);
    if (rounds < 1)
        usage();

    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy)
        fail("cannot open the X display");
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0, damageError = 0, major = 0, minor = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension");
    if (!XTestQueryExtension(dpy, &damageError, &damageError, &major, &minor))
        fail("the X server has no XTEST extension");

    if (mode == "startup") {
        std::vector<Program> programs;
        for (int i = 3; i < argc; ++i) {
            const std::string arg = argv[i];
            const auto eq = arg.find('=');
            if (eq == std::string::npos || eq == 0)
                usage();
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}});
        }
        return startup(dpy, damageEvent, rounds, programs);
    }
    if (mode == "idle" && argc == 4)
        return idle(dpy, damageEvent, rounds, argv[3]);
    usage();
}
