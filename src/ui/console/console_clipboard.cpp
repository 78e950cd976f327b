#include "ui/console/console_clipboard.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace vantrel {

namespace {

bool hasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Runs the tool found on the search path with the text on its standard input
// and its output discarded (the tools leave a helper behind that keeps
// serving the selection; it must not hold our streams open). True when the
// tool ran and exited with 0.
bool pipeToTool(const std::vector<std::string>& args, const std::string& text) {
  int input[2];
  if (::pipe2(input, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  int spawned = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  if (spawned != 0) {
    ::close(input[1]);
    return false;
  }
  // A tool that stops reading must not kill us with SIGPIPE.
  struct sigaction ignore {}, previous {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, &previous);
  bool written = writeAll(input[1], text);
  ::close(input[1]);
  ::sigaction(SIGPIPE, &previous, nullptr);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return written && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string base64(const std::string& bytes) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                 static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  if (i < bytes.size()) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

// The escape goes to the terminal itself: standard output when that is one,
// else the process's controlling terminal. Terminals do not show it.
bool sendClipboardEscape(const std::string& text) {
  std::string escape = "\x1b]52;c;" + base64(text) + "\a";
  if (::isatty(STDOUT_FILENO)) {
    std::fflush(stdout);
    return writeAll(STDOUT_FILENO, escape);
  }
  int tty = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (tty < 0) return false;
  bool ok = writeAll(tty, escape);
  ::close(tty);
  return ok;
}

}  // namespace

bool copyToClipboard(const std::string& utf8Text) {
  if (hasEnv("WAYLAND_DISPLAY") && pipeToTool({"wl-copy"}, utf8Text)) return true;
  if (hasEnv("DISPLAY")) {
    if (pipeToTool({"xclip", "-selection", "clipboard"}, utf8Text)) return true;
    if (pipeToTool({"xsel", "--clipboard", "--input"}, utf8Text)) return true;
  }
  return sendClipboardEscape(utf8Text);
}

}  // namespace vantrel
