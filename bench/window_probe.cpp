// Watches a program's windows from outside the program, over the X protocol only.
//
//   window_probe start NAME -- PROGRAM [ARGS...]
//       starts PROGRAM and prints the milliseconds until a top-level window named NAME is mapped
//       and has answered a ping (its UI thread has handled the events up to its first paint);
//       the program keeps running, its process ID goes to standard error as "pid N", and so
//       does what the program writes.
//   window_probe ping NAME SECONDS [INTERVAL_MS]
//       pings the window NAME every INTERVAL_MS (default 50) for SECONDS and prints the count,
//       the median and the longest answer in milliseconds.
//
// The ping is the window manager's _NET_WM_PING: a client message that the toolkit answers on
// its UI thread by sending it back to the root window. A window that answers late is a window
// whose UI thread was busy.
#include <xcb/xcb.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Display {
  xcb_connection_t* connection = nullptr;
  xcb_window_t root = 0;
  xcb_atom_t protocols = 0;
  xcb_atom_t ping = 0;
  xcb_atom_t netWmName = 0;
  xcb_atom_t utf8 = 0;
};

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  xcb_atom_t atom = reply ? reply->atom : 0;
  std::free(reply);
  return atom;
}

std::optional<Display> openDisplay() {
  Display display;
  int screenNumber = 0;
  display.connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(display.connection)) return std::nullopt;
  auto screens = xcb_setup_roots_iterator(xcb_get_setup(display.connection));
  for (int i = 0; i < screenNumber; ++i)
    xcb_screen_next(&screens);
  display.root = screens.data->root;
  display.protocols = internAtom(display.connection, "WM_PROTOCOLS");
  display.ping = internAtom(display.connection, "_NET_WM_PING");
  display.netWmName = internAtom(display.connection, "_NET_WM_NAME");
  display.utf8 = internAtom(display.connection, "UTF8_STRING");
  // Answers to pings are sent to the root window for clients that select structure events there
  // (Qt) or substructure events (other toolkits).
  uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(display.connection, display.root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(display.connection);
  return display;
}

std::string windowName(const Display& display, xcb_window_t window) {
  auto cookie =
      xcb_get_property(display.connection, 0, window, display.netWmName, display.utf8, 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(display.connection, cookie, nullptr);
  std::string name;
  if (reply) {
    name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
  }
  return name;
}

bool isViewable(const Display& display, xcb_window_t window) {
  auto cookie = xcb_get_window_attributes(display.connection, window);
  auto* reply = xcb_get_window_attributes_reply(display.connection, cookie, nullptr);
  bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
  std::free(reply);
  return viewable;
}

std::optional<xcb_window_t> findMappedWindow(const Display& display, const std::string& name) {
  auto cookie = xcb_query_tree(display.connection, display.root);
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(display.connection, cookie, nullptr);
  if (!tree) return std::nullopt;
  std::optional<xcb_window_t> found;
  xcb_window_t* children = xcb_query_tree_children(tree);
  for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
    if (windowName(display, children[i]) == name && isViewable(display, children[i]))
      found = children[i];
  std::free(tree);
  return found;
}

void sendPing(const Display& display, xcb_window_t window, uint32_t stamp) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = display.protocols;
  message.data.data32[0] = display.ping;
  message.data.data32[1] = stamp;
  message.data.data32[2] = window;
  xcb_send_event(display.connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(display.connection);
}

// Waits for the answer to the ping with this stamp; false when none came within the limit.
bool awaitPong(const Display& display, uint32_t stamp, double limitMs) {
  Clock::time_point start = Clock::now();
  while (millisecondsSince(start) < limitMs) {
    xcb_generic_event_t* event = xcb_poll_for_event(display.connection);
    if (!event) {
      if (xcb_connection_has_error(display.connection)) return false;
      usleep(200);
      continue;
    }
    bool answered = false;
    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
      auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
      answered = message->window == display.root && message->data.data32[0] == display.ping &&
                 message->data.data32[1] == stamp;
    }
    std::free(event);
    if (answered) return true;
  }
  return false;
}

std::optional<double> timedPing(const Display& display, xcb_window_t window, uint32_t stamp) {
  Clock::time_point sent = Clock::now();
  sendPing(display, window, stamp);
  if (!awaitPong(display, stamp, 10000)) return std::nullopt;
  return millisecondsSince(sent);
}

int start(const Display& display, const std::string& name, char** program) {
  Clock::time_point started = Clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(2, 1);  // standard output is the caller's answer: the program writes to standard error
    execvp(program[0], program);
    std::perror(program[0]);
    _exit(127);
  }
  std::fprintf(stderr, "pid %d\n", pid);
  uint32_t stamp = 1;
  while (millisecondsSince(started) < 30000) {
    if (auto window = findMappedWindow(display, name)) {
      sendPing(display, *window, stamp);
      if (awaitPong(display, stamp, 10000)) {
        std::printf("%.1f\n", millisecondsSince(started));
        return 0;
      }
      ++stamp;
    }
    usleep(2000);
  }
  std::fprintf(stderr, "no window named %s\n", name.c_str());
  return 1;
}

int ping(const Display& display, const std::string& name, double seconds, int intervalMs) {
  auto window = findMappedWindow(display, name);
  if (!window) {
    std::fprintf(stderr, "no window named %s\n", name.c_str());
    return 1;
  }
  std::vector<double> answers;
  Clock::time_point started = Clock::now();
  Clock::time_point next = started;
  for (uint32_t stamp = 1; millisecondsSince(started) < seconds * 1000; ++stamp) {
    std::optional<double> answer = timedPing(display, *window, stamp);
    if (!answer) {
      std::fprintf(stderr, "no answer within 10 s\n");
      return 1;
    }
    answers.push_back(*answer);
    next += std::chrono::milliseconds(intervalMs);
    auto wait = std::chrono::duration_cast<std::chrono::microseconds>(next - Clock::now());
    if (wait.count() > 0) usleep(static_cast<useconds_t>(wait.count()));
  }
  std::sort(answers.begin(), answers.end());
  std::printf("%zu %.2f %.2f\n", answers.size(), answers[answers.size() / 2], answers.back());
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: window_probe start NAME -- PROGRAM [ARGS...]\n"
               "       window_probe ping NAME SECONDS [INTERVAL_MS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  std::optional<Display> display = openDisplay();
  if (!display) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  std::string command = argv[1];
  if (command == "start" && argc >= 5 && std::strcmp(argv[3], "--") == 0)
    return start(*display, argv[2], argv + 4);
  if (command == "ping" && argc >= 4)
    return ping(*display, argv[2], std::atof(argv[3]), argc >= 5 ? std::atoi(argv[4]) : 50);
  return usage();
}
