#include "ui/console/console_io.h"

#include <cstdio>
#include <thread>

#include "core/text/text.h"

namespace vantrel {

ConsoleIo& ConsoleIo::instance() {
  static ConsoleIo* io = new ConsoleIo;  // lives until the process ends; its reader thread uses it
  return *io;
}

void ConsoleIo::printLocked(const std::string& ansiText) {
  if (ansiText.empty()) return;
  std::string utf8 = ansiToUtf8(ansiText);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
  atLineStart_ = ansiText.back() == '\n';
}

void ConsoleIo::print(const std::string& ansiText) {
  std::lock_guard<std::mutex> lock(mutex_);
  printLocked(ansiText);
}

void ConsoleIo::printLine(const std::string& ansiText) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!atLineStart_) printLocked("\n");
  printLocked(ansiText);
}

int ConsoleIo::firstWaiter() const {
  for (int i = 0; i < 3; ++i)
    if (waiting_[i] > 0) return i;
  return -1;
}

// Reads one line at a time, and only while someone waits for one, so that
// nothing meant for a program started later is taken from the stream.
void ConsoleIo::readerLoop() {
  while (true) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return firstWaiter() >= 0 && lines_.empty(); });
    }
    std::string line;
    bool any = false;
    int c;
    while ((c = std::fgetc(stdin)) != EOF) {
      any = true;
      if (c == '\n') break;
      line += static_cast<char>(c);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (!any) {
      endOfInput_ = true;
      changed_.notify_all();
      return;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    atLineStart_ = true;  // the line break typed by the user ended the prompt's line
    lines_.push_back(utf8ToAnsi(line));
    changed_.notify_all();
  }
}

void ConsoleIo::reprompt() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++promptGeneration_;
  changed_.notify_all();
}

std::optional<std::string> ConsoleIo::readLine(const std::string& prompt, InputWaiter who) {
  return readLine(prompt, who, nullptr);
}

std::optional<std::string> ConsoleIo::readLine(const std::string& prompt, InputWaiter who,
                                               const std::function<bool(const std::string&)>& accept) {
  const int me = static_cast<int>(who);
  std::unique_lock<std::mutex> lock(mutex_);
  if (!readerStarted_) {
    readerStarted_ = true;
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    std::thread([this] { readerLoop(); }).detach();
  }
  ++waiting_[me];
  changed_.notify_all();
  bool prompted = false;
  unsigned generation = promptGeneration_;
  while (true) {
    bool first = firstWaiter() == me;
    if (first && (!prompted || generation != promptGeneration_) && !endOfInput_) {
      if (!atLineStart_) printLocked("\n");
      printLocked(prompt);
      prompted = true;
      generation = promptGeneration_;
    } else if (!first) {
      prompted = false;
    }
    if (first && !lines_.empty() && (!accept || accept(lines_.front()))) {
      std::string line = std::move(lines_.front());
      lines_.pop_front();
      --waiting_[me];
      changed_.notify_all();
      return line;
    }
    if (endOfInput_ && lines_.empty()) {
      --waiting_[me];
      changed_.notify_all();
      return std::nullopt;
    }
    changed_.wait(lock);
  }
}

}  // namespace vantrel
