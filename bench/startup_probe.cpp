// startup_probe PROGRAM: starts the program, waits for its first top-level window to be mapped
// on $DISPLAY (no window manager), and prints "<milliseconds> <resident KiB>", the memory taken
// half a second after the window showed. Ends the program afterwards.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  bool mapped = false;
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
    std::free(event);
    if (mapped) {
      break;
    }
  }
  const auto shown = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long resident = ResidentKib(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(connection);
  if (!mapped) {
    std::fprintf(stderr, "startup_probe: no window was mapped\n");
    return 1;
  }
  std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(shown - start).count(),
              resident);
  return 0;
}
