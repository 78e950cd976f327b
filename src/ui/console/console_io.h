// The terminal of the console front end: one writer that flushes every line,
// and one reader that owns standard input and hands each line to whoever
// waits for it — a pending question first, then an open dialog or change-log
// window, then the wizard.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace vantrel {

enum class InputWaiter { Question = 0, Dialog = 1, Wizard = 2 };

class ConsoleIo {
 public:
  // Prints Windows-1252 text as UTF-8 and flushes.
  void print(const std::string& ansiText);
  // The same, starting on a line of its own.
  void printLine(const std::string& ansiText);
  // Waits for a line meant for `who`: prints the prompt at the start of a
  // line whenever `who` becomes the first in line, and returns the line
  // without its break, in Windows-1252. Empty at the end of input.
  std::optional<std::string> readLine(const std::string& prompt, InputWaiter who = InputWaiter::Question);
  // The same, taking only lines that `accept` takes; others stay for the
  // next waiter.
  std::optional<std::string> readLine(const std::string& prompt, InputWaiter who,
                                      const std::function<bool(const std::string&)>& accept);

  // Prints the prompt of the first waiter again (the wizard stopped being
  // busy, so its commands count again).
  void reprompt();

  static ConsoleIo& instance();

 private:
  void printLocked(const std::string& ansiText);
  int firstWaiter() const;
  void readerLoop();

  std::mutex mutex_;
  std::condition_variable changed_;
  bool atLineStart_ = true;
  int waiting_[3] = {0, 0, 0};
  std::deque<std::string> lines_;
  bool endOfInput_ = false;
  bool readerStarted_ = false;
  unsigned promptGeneration_ = 0;
};

}  // namespace vantrel
