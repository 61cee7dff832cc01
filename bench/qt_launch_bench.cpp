// Time from launching the vigil program to its first document window drawn on
// screen, against the same for the smallest Qt Widgets program (this binary,
// run with --peer-window: one window with one line of text). Both run on a
// private Xvfb; a window counts as drawn when its pixels on the X server show
// text (many distinct colours), read back over the X protocol.
#include "app/qt/xvfb_server.hpp"
#include "bench/bench_ratios.hpp"

#include <xcb/xcb.h>

#include <QApplication>
#include <QLabel>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

std::string selfPath;

// Distinct colours in the window's pixels (24-bit Z-pixmap, 4 bytes a pixel);
// an undrawn window is one colour.
size_t DistinctColors(xcb_connection_t *connection, xcb_window_t window) {
  const auto geometry = std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)>(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
  if (!geometry) return 0;
  const auto image = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
      xcb_get_image_reply(connection,
                          xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                                        geometry->height, ~0u),
                          nullptr),
      &std::free);
  if (!image) return 0;
  const auto *pixels = reinterpret_cast<const uint32_t *>(xcb_get_image_data(image.get()));
  const int count = xcb_get_image_data_length(image.get()) / 4;
  std::set<uint32_t> colors;
  for (int i = 0; i < count && colors.size() < 64; ++i) colors.insert(pixels[i] & 0xFFFFFF);
  return colors.size();
}

// Launches the program and answers the seconds until its first top-level
// window shows drawn text; negative when it never does.
double SecondsToFirstFrame(const std::vector<std::string> &command) {
  xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  std::vector<char *> argv;
  for (const std::string &argument : command) argv.push_back(const_cast<char *>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    xcb_disconnect(connection);
    return -1;
  }
  double seconds = -1;
  xcb_window_t mapped = XCB_NONE;
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
      if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
        if (!map->override_redirect) mapped = map->window;
      }
      std::free(event);
    }
    if (mapped != XCB_NONE && DistinctColors(connection, mapped) >= 8) {
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(connection);
  return seconds;
}

void Measure(benchmark::State &state, const std::vector<std::string> &command) {
  for (auto _ : state) {
    const double seconds = SecondsToFirstFrame(command);
    if (seconds < 0) {
      state.SkipWithError("no window was drawn");
      return;
    }
    state.SetIterationTime(seconds);
  }
}

void BM_VigilLaunchToFirstWindowDrawn(benchmark::State &state) { Measure(state, {VIGIL_APP_PATH}); }
void BM_QtWindowLaunchToFirstWindowDrawn(benchmark::State &state) {
  Measure(state, {selfPath, "--peer-window"});
}
BENCHMARK(BM_VigilLaunchToFirstWindowDrawn)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtWindowLaunchToFirstWindowDrawn)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The peer: a Qt Widgets program with one window and a line of text.
int RunPeerWindow(int argc, char **argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Watching nothing in particular."));
  label.setMargin(40);
  label.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char **argv) {
  if (argc > 1 && std::string(argv[1]) == "--peer-window") return RunPeerWindow(argc, argv);
  selfPath = "/proc/self/exe";
  char resolved[4096];
  if (const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1); length > 0) {
    selfPath.assign(resolved, static_cast<size_t>(length));
  }
  vigil::qt::testing::XvfbServer server;
  if (server.display().empty()) {
    std::fprintf(stderr, "cannot start Xvfb\n");
    return 1;
  }
  setenv("DISPLAY", server.display().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // The launched programs keep their preferences and history out of the user's.
  char home[] = "/tmp/vigil-launch-bench-XXXXXX";
  if (mkdtemp(home) != nullptr) {
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_STATE_HOME", home, 1);
    setenv("XDG_RUNTIME_DIR", home, 1);  // private to us (mode 0700), as Qt expects
  }
  const int status = vigil::bench::RunWithRatios(
      argc, argv, {{"BM_VigilLaunchToFirstWindowDrawn/iterations:10/manual_time",
                    "BM_QtWindowLaunchToFirstWindowDrawn/iterations:10/manual_time"}});
  rmdir(home);
  return status;
}
