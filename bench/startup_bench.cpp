// Start-up time of the window program: from launch until its main window is on the screen
// and painted. It watches from outside, at the X level, so the program needs no hook: the
// root window is filled with a colour the program never paints, the program is started on a
// fresh settings folder (no welcome page), and its main window is sampled every quarter of a
// millisecond until none of the sampled pixels shows that colour any more.
//
// Run it on a bare X server of its own, without a window manager (a window manager would
// reparent and decorate the window):
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/lumetra-startup-bench [runs]
// Prints every run and the median; the goal is a median under 200 ms.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/child_run.h"
#include "lumetra_version.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned long kKeyColour = 0xFF00FF;  // magenta: nothing in the window is
constexpr auto kPollInterval = std::chrono::microseconds(250);
constexpr auto kGiveUp = std::chrono::seconds(10);

// A settings folder in which this version's welcome page has been seen.
std::filesystem::path FreshHome() {
  char pattern[] = "/tmp/lumetra-startup-XXXXXX";
  const std::filesystem::path home = mkdtemp(pattern);
  std::filesystem::create_directories(home / ".config/Lumetra");
  std::ofstream(home / ".config/Lumetra/Lumetra.ini")
      << "[General]\nEersteKeer=1\nVersie=" << lumetra::kVersion << "\n";
  return home;
}

pid_t Launch(const std::filesystem::path& home) {
  const pid_t child = fork();
  if (child == 0) {
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    execl(LUMETRA_APP_PATH, "lumetra", static_cast<char*>(nullptr));
    _exit(127);
  }
  return child;
}

// The viewable top-level window of process `pid`, large enough to be the main window.
std::optional<Window> MainWindowOf(Display* display, Atom pidAtom, pid_t pid) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  std::optional<Window> found;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
    return found;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) ||
        attributes.map_state != IsViewable || attributes.width < 200) {
      continue;
    }
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &remaining, &value) == Success &&
        value != nullptr) {
      if (items == 1 && *reinterpret_cast<const long*>(value) == pid)
        found = children[i];
      XFree(value);
    }
  }
  if (children != nullptr)
    XFree(children);
  return found;
}

// True once three rows across the window no longer show the root's colour anywhere.
bool Painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes))
    return false;
  for (const int quarter : {1, 2, 3}) {
    XImage* row = XGetImage(display, window, 0, attributes.height * quarter / 4,
                            static_cast<unsigned>(attributes.width), 1, AllPlanes, ZPixmap);
    if (row == nullptr)
      return false;
    bool key = false;
    for (int x = 0; x < attributes.width && !key; ++x)
      key = (XGetPixel(row, x, 0) & 0xFFFFFF) == kKeyColour;
    XDestroyImage(row);
    if (key)
      return false;
  }
  return true;
}

// Milliseconds from launch to the painted main window; nullopt when it never came.
std::optional<double> MeasureOnce(Display* display, Atom pidAtom) {
  const std::filesystem::path home = FreshHome();
  const Clock::time_point start = Clock::now();
  const pid_t child = Launch(home);
  std::optional<Window> window;
  std::optional<double> elapsed;
  while (Clock::now() - start < kGiveUp) {
    if (!window)
      window = MainWindowOf(display, pidAtom, child);
    if (window && Painted(display, *window)) {
      elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    usleep(static_cast<useconds_t>(kPollInterval.count()));
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  std::filesystem::remove_all(home);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no X display: run it under xvfb-run\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSetWindowBackground(display, root, kKeyColour);
  XClearWindow(display, root);
  XSync(display, False);
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

  std::vector<double> times;
  for (int run = 1; run <= runs; ++run) {
    const std::optional<double> elapsed = MeasureOnce(display, pidAtom);
    if (!elapsed) {
      std::printf("run %2d: no painted main window within %lld s\n", run,
                  static_cast<long long>(kGiveUp.count()));
      continue;
    }
    std::printf("run %2d: %6.1f ms\n", run, *elapsed);
    times.push_back(*elapsed);
  }
  XCloseDisplay(display);
  if (times.empty())
    return 1;
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = lumetra::bench::Median(times);
  std::printf(
      "launch to painted main window over %zu runs: median %.1f ms, min %.1f, max %.1f "
      "(goal: median under 200 ms)\n",
      n, median, times.front(), times.back());
  return 0;
}
