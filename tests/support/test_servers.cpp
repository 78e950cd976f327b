#include "support/test_servers.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

#include "os/files.h"

namespace vantrel::test {

namespace {

// An upper bound of a tool's life, should a test die before stopping it.
constexpr int kLifetimeSeconds = 300;

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

int firstAddress() {
#if defined(_WIN32)
  return sizeof(void*) == 8 ? 10 : 14;
#elif defined(__SANITIZE_ADDRESS__)
  return 6;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return 6;
#else
  return 2;
#endif
#else
  return 2;
#endif
}

std::string fromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace

std::string testAddress(int which) { return "127.0.0." + std::to_string(firstAddress() + which); }

std::string testAddressIn(int first, int which) {
  return "127.0.0." + std::to_string(first + firstAddress() - 2 + which);
}

std::string patternBytes(std::size_t size) {
  std::string out(size, '\0');
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<char>(i % 251);
  return out;
}

void ToolProcess::start(const std::string& script, std::vector<std::string> arguments) {
  const std::string ready = dir_.file("ready");
  arguments.insert(arguments.begin(), {VANTREL_PYTHON, std::string(VANTREL_TOOLS_DIR) + "/update_server/" + script});
  arguments.insert(arguments.end(), {"--ready", unixPathOf(ready), "--stop", unixPathOf(dir_.file("stop")),
                                     "--lifetime", std::to_string(kLifetimeSeconds)});
  if (!process_.start(arguments)) {
    error_ = "cannot start " + script;
    return;
  }
  started_ = true;
  std::string state;
  for (int i = 0; i < 400 && !os::readWholeFile(ready, state); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (state.rfind("ok", 0) != 0) error_ = script + ": " + (state.empty() ? "not up within 20 s" : state);
}

ToolProcess::~ToolProcess() { stop(); }

void ToolProcess::stop() {
  if (!started_) return;
  started_ = false;
  dir_.write("stop", "");
  // The tool removes its ready file as it ends.
  const std::string ready = dir_.file("ready");
  if (error_.empty())
    for (int i = 0; i < 400 && os::fileExists(ready); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(25));
  process_.end();
}

std::string SeenRequest::header(const std::string& name) const {
  for (const auto& [key, value] : headers)
    if (lower(key) == lower(name)) return value;
  return "";
}

bool SeenRequest::hasHeader(const std::string& name) const {
  return std::any_of(headers.begin(), headers.end(), [&](const auto& h) { return lower(h.first) == lower(name); });
}

UpdateServer::UpdateServer(const std::string& address, const std::vector<int>& morePorts, int tlsPort)
    : address_(address) {
  setRoutes("{}");
  std::vector<std::string> args = {"--listen", address + ":80"};
  for (int port : morePorts) args.insert(args.end(), {"--listen", address + ":" + std::to_string(port)});
  if (tlsPort != 0) {
    const std::string fixtures = std::string(VANTREL_TESTS_DIR) + "/fixtures/";
    args.insert(args.end(), {"--tls", address + ":" + std::to_string(tlsPort), "--cert",
                             fixtures + "test_server.crt", "--key", fixtures + "test_server.key"});
  }
  args.insert(args.end(), {"--config", unixPathOf(dir().file("routes.json")), "--log",
                           unixPathOf(dir().file("requests.log")), "--output", unixPathOf(dir().file("output.txt"))});
  start("server.py", args);
}

void UpdateServer::setRoutes(const std::string& routesJson) const {
  os::replaceFileContent(dir().file("routes.json"), "{\"routes\": " + routesJson + "}\n");
}

void UpdateServer::clearLog() const { os::deleteFile(dir().file("requests.log")); }

std::vector<SeenRequest> UpdateServer::requests() const {
  std::vector<SeenRequest> seen;
  std::string log;
  if (!os::readWholeFile(dir().file("requests.log"), log)) return seen;
  std::size_t pos = 0;
  while (pos < log.size()) {
    std::size_t end = log.find('\n', pos);
    if (end == std::string::npos) end = log.size();
    std::string line = log.substr(pos, end - pos);
    pos = end + 1;
    if (line.rfind("request ", 0) == 0) {
      SeenRequest r;
      std::size_t a = line.find(' ', 8);
      std::size_t b = line.find(' ', a + 1);
      std::size_t c = line.find(' ', b + 1);
      r.method = line.substr(8, a - 8);
      r.target = line.substr(a + 1, b - a - 1);
      r.port = std::stoi(line.substr(c + 1));
      seen.push_back(r);
    } else if (line.rfind("header ", 0) == 0 && !seen.empty()) {
      std::size_t colon = line.find(": ", 7);
      seen.back().headers.emplace_back(line.substr(7, colon - 7),
                                       colon == std::string::npos ? "" : line.substr(colon + 2));
    } else if (line.rfind("body ", 0) == 0 && !seen.empty()) {
      seen.back().body = fromHex(line.substr(5));
    }
  }
  return seen;
}

ForwardProxy::ForwardProxy(const std::string& address, int port, const std::string& user, const std::string& password)
    : hostPort_(address + ":" + std::to_string(port)) {
  std::vector<std::string> args = {"--listen", hostPort_, "--workdir", unixPathOf(dir().path())};
  if (!user.empty()) args.insert(args.end(), {"--user", user, "--password", password});
  start("proxy.py", args);
}

std::string ForwardProxy::log() const {
  std::string text;
  os::readWholeFile(dir().file("tinyproxy.log"), text);
  return text;
}

}  // namespace vantrel::test
