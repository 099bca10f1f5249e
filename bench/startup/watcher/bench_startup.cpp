// Start-up of a program against a floor program, under an X server with a window manager:
// bench_startup [--under LAUNCHER] PROGRAM FLOOR [PAIRS]
//
// With --under, each program is started as LAUNCHER PROGRAM (wine varelux.exe); the launcher must
// end in an exec of the program's own process, whose pid its window then carries.
// Runs them interleaved, A B B A, PAIRS pairs (else $STARTUP_PAIRS, else 60). Each run lasts from
// just before exec until its main window is mapped and painted: the X server's Damage extension
// reports the first drawing into a mapped window of the child, at least 300 x 200 pixels large.
// Peak resident memory (VmHWM) and the processor time the child's threads have used are read at
// that moment, then the child is ended. Prints the medians and the median of the per-pair ratios
// PROGRAM / FLOOR with its quartiles, for all three. Processor time is the steadier of the two
// times on a machine that other work keeps busy: it leaves out the waits for a processor.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double milliseconds;
    long peakKiB;
    double cpuMilliseconds;
};

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    auto *reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::optional<uint32_t> windowPid(xcb_connection_t *c, xcb_window_t window, xcb_atom_t pidAtom)
{
    auto *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<uint32_t> pid;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<uint32_t *>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

bool largeEnough(xcb_connection_t *c, xcb_window_t window)
{
    auto *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const bool large = geometry && geometry->width >= 300 && geometry->height >= 200;
    std::free(geometry);
    return large;
}

// Whether the window is mapped, as the server has it now: under load the window manager can map
// a new window before this process has asked to be told of it, and no MapNotify then comes.
bool viewable(xcb_connection_t *c, xcb_window_t window)
{
    auto *attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return shown;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Processor time used so far by all of the process's threads (the first field of each thread's
// schedstat, in nanoseconds).
double cpuMilliseconds(pid_t pid)
{
    double nanoseconds = 0;
    std::error_code error;
    for (const auto &thread :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(thread.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

std::optional<Run> runOnce(xcb_connection_t *c, const xcb_screen_t *screen, uint8_t damageEvent,
                           const char *launcher, const char *program)
{
    const xcb_atom_t pidAtom = internAtom(c, "_NET_WM_PID");
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (launcher)
            execlp(launcher, launcher, program, static_cast<char *>(nullptr));
        else
            execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    std::map<xcb_window_t, bool> mapped;
    std::optional<Run> result;
    const auto deadline = start + std::chrono::seconds(15);
    while (!result && Clock::now() < deadline) {
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &mask);
            xcb_damage_create(c, xcb_generate_id(c), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            mapped[created->window] = false;
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (mapped.count(map->window))
                mapped[map->window] = true;
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
            const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            const auto at = Clock::now();
            xcb_damage_subtract(c, damage->damage, XCB_NONE, XCB_NONE);
            const auto found = mapped.find(damage->drawable);
            if (found != mapped.end() && (found->second || viewable(c, damage->drawable)) &&
                windowPid(c, damage->drawable, pidAtom) == uint32_t(child) &&
                largeEnough(c, damage->drawable))
                result = Run{std::chrono::duration<double, std::milli>(at - start).count(),
                             peakResidentKiB(child), cpuMilliseconds(child)};
        }
        std::free(event);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // The window manager has unmanaged the window before the next run starts.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    while (xcb_generic_event_t *late = xcb_poll_for_event(c))
        std::free(late);
    return result;
}

double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double position = q * double(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (position - double(below)) * (values[above] - values[below]);
}

} // namespace

int main(int argc, char *argv[])
{
    const char *launcher = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--under") == 0) {
        launcher = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup [--under LAUNCHER] PROGRAM FLOOR [PAIRS]\n");
        return 2;
    }
    const char *pairsText = argc > 3 ? argv[3] : std::getenv("STARTUP_PAIRS");
    const int pairs = pairsText ? std::atoi(pairsText) : 60;
    // Qt wants a private runtime folder; without one each run prints a warning.
    char runtime[] = "/tmp/bench_startup.XXXXXX";
    if (!std::getenv("XDG_RUNTIME_DIR") && mkdtemp(runtime))
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_startup: no X server\n");
        return 1;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "bench_startup: the X server lacks the Damage extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const auto run = [&](const char *program) {
        return runOnce(c, screen, damage->first_event, launcher, program);
    };

    // Warm the file cache for both; a program that shows no window at all stops here.
    if (!run(argv[1]) || !run(argv[2])) {
        std::fprintf(stderr, "bench_startup: no window appeared in the warm-up runs\n");
        return 1;
    }

    std::vector<double> programTimes, floorTimes, timeRatios, programPeaks, floorPeaks, peakRatios;
    std::vector<double> programCpu, floorCpu, cpuRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        const bool programFirst = pair % 2 == 0; // A B, then B A
        std::optional<Run> runs[2];
        for (int i = 0; i < 2; ++i) {
            const bool isProgram = (i == 0) == programFirst;
            runs[isProgram ? 0 : 1] = run(isProgram ? argv[1] : argv[2]);
        }
        if (!runs[0] || !runs[1]) {
            std::fprintf(stderr, "bench_startup: a window did not appear in pair %d\n", pair);
            return 1;
        }
        programTimes.push_back(runs[0]->milliseconds);
        floorTimes.push_back(runs[1]->milliseconds);
        timeRatios.push_back(runs[0]->milliseconds / runs[1]->milliseconds);
        programPeaks.push_back(double(runs[0]->peakKiB));
        floorPeaks.push_back(double(runs[1]->peakKiB));
        peakRatios.push_back(double(runs[0]->peakKiB) / double(runs[1]->peakKiB));
        programCpu.push_back(runs[0]->cpuMilliseconds);
        floorCpu.push_back(runs[1]->cpuMilliseconds);
        cpuRatios.push_back(runs[0]->cpuMilliseconds / runs[1]->cpuMilliseconds);
    }
    // The medians first, the ratios last.
    std::printf("start-up over %d pairs (A B B A)\n", pairs);
    std::printf("  time to first painted window: program %.1f ms, floor %.1f ms (medians)\n",
                quantile(programTimes, 0.5), quantile(floorTimes, 0.5));
    std::printf(
        "  processor time to first painted window: program %.1f ms, floor %.1f ms (medians)\n",
        quantile(programCpu, 0.5), quantile(floorCpu, 0.5));
    std::printf("  peak resident memory (working set): "
                "program %.0f KiB, floor %.0f KiB (medians)\n",
                quantile(programPeaks, 0.5), quantile(floorPeaks, 0.5));
    std::printf("  time ratio program/floor: median %.3f, quartiles %.3f .. %.3f\n",
                quantile(timeRatios, 0.5), quantile(timeRatios, 0.25), quantile(timeRatios, 0.75));
    std::printf("  processor time ratio program/floor: median %.3f, quartiles %.3f .. %.3f\n",
                quantile(cpuRatios, 0.5), quantile(cpuRatios, 0.25), quantile(cpuRatios, 0.75));
    std::printf("  memory ratio program/floor: median %.3f, quartiles %.3f .. %.3f\n",
                quantile(peakRatios, 0.5), quantile(peakRatios, 0.25), quantile(peakRatios, 0.75));
    xcb_disconnect(c);
    return 0;
}
