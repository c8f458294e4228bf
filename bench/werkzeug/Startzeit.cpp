// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints the time until its first window of at least
// 100 x 100 pixels is mapped (milliseconds), the processor time the program
// used until then (milliseconds, all threads; steadier than the wall time on
// a loaded machine), then, half a second later, the program's peak resident
// memory (kB, VmHWM), and ends the program.
//
//     startzeit PROGRAMM [ARGUMENTE...]
//
// Listens on the root window for map notifications, so it measures what the
// X server sees; run it under Xvfb (bench/startzeit).
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Uhr = std::chrono::steady_clock;

long SpitzenSpeicherKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string zeile;
  while (std::getline(status, zeile)) {
    if (zeile.rfind("VmHWM:", 0) == 0) return std::strtol(zeile.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// On-CPU time of all threads so far, from the scheduler's statistics.
double RechenzeitMs(pid_t pid) {
  const std::filesystem::path aufgaben = "/proc/" + std::to_string(pid) + "/task";
  double ns = 0;
  std::error_code fehler;
  for (const auto& aufgabe : std::filesystem::directory_iterator(aufgaben, fehler)) {
    std::ifstream schedstat(aufgabe.path() / "schedstat");
    double t = 0;
    if (schedstat >> t) ns += t;
  }
  return ns / 1e6;
}

bool GrossGenug(xcb_connection_t* x, xcb_window_t fenster) {
  const xcb_get_geometry_cookie_t frage = xcb_get_geometry(x, fenster);
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> g(
      xcb_get_geometry_reply(x, frage, nullptr), &std::free);
  return g && g->width >= 100 && g->height >= 100;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "startzeit PROGRAMM [ARGUMENTE...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "startzeit: kein X-Server\n");
    return 2;
  }
  const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, wurzel, XCB_CW_EVENT_MASK, &maske);
  xcb_flush(x);

  const Uhr::time_point start = Uhr::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
    std::fprintf(stderr, "startzeit: %s startet nicht\n", argv[1]);
    return 2;
  }

  double ms = -1;
  double rechenMs = -1;
  pollfd pfd{xcb_get_file_descriptor(x), POLLIN, 0};
  while (ms < 0) {
    xcb_generic_event_t* e = xcb_poll_for_event(x);
    if (e == nullptr) {
      if (xcb_connection_has_error(x) || poll(&pfd, 1, 20000) <= 0) break;
      continue;
    }
    if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
      const Uhr::time_point jetzt = Uhr::now();
      if (GrossGenug(x, m->window)) {
        ms = std::chrono::duration<double, std::milli>(jetzt - start).count();
        rechenMs = RechenzeitMs(pid);
      }
    }
    std::free(e);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long kb = SpitzenSpeicherKb(pid);
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  xcb_disconnect(x);
  if (ms < 0) {
    std::fprintf(stderr, "startzeit: kein Fenster erschienen\n");
    return 1;
  }
  std::printf("%.2f %.2f %ld\n", ms, rechenMs, kb);
  return 0;
}
