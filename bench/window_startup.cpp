// Time from starting the program to its main window's first paint, on the display of the
// environment: window_startup PROGRAM [RUNS]
// Each run starts the program with a private home, watches the X server until a viewable
// window with the program's title shows painted pixels (the root is black, an unpainted window
// shows black too), then kills the program. Prints every time and the median in milliseconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* kTitle = "Zentrafax WMF to JPG 2.5";

Window FindTitled(Display* display, Window parent) {
  Window root = 0, parentOut = 0, *children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
      if (std::strcmp(name, kTitle) == 0) found = children[i];
      XFree(name);
    }
    if (found == 0) found = FindTitled(display, children[i]);
  }
  if (children != nullptr) XFree(children);
  return found;
}

// True when the window is viewable and most of its pixels are not black.
bool Painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable) return false;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  long lit = 0, total = 0;
  for (int y = 0; y < attributes.height; y += 4) {
    for (int x = 0; x < attributes.width; x += 4, ++total) lit += XGetPixel(image, x, y) != 0 ? 1 : 0;
  }
  XDestroyImage(image);
  return total > 0 && lit * 10 > total * 9;
}

double OneStart(Display* display, const char* program, const std::string& home) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  double elapsed = -1;
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
    XSync(display, False);
    const Window window = FindTitled(display, DefaultRootWindow(display));
    if (window != 0 && Painted(display, window)) {
      elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      break;
    }
    usleep(1000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_startup PROGRAM [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_startup: no display\n");
    return 1;
  }
  char pattern[] = "/tmp/vecrast-startup-XXXXXX";
  const std::string home = mkdtemp(pattern) ? pattern : "/tmp";
  std::vector<double> times;
  OneStart(display, argv[1], home);  // warms the file cache
  for (int i = 0; i < runs; ++i) {
    const double ms = OneStart(display, argv[1], home);
    if (ms < 0) {
      std::fprintf(stderr, "window_startup: the window did not appear\n");
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("runs:");
  for (double t : times) std::printf(" %.0f", t);
  std::printf("\nmedian start to first paint: %.0f ms\n", times[times.size() / 2]);
  XCloseDisplay(display);
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return 0;
}
