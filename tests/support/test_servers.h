// The loopback test servers of tools/update_server: the programmable update
// server and the forward proxy, started and stopped by the test that uses
// them.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"
#include "support/unix_process.h"

namespace vantrel::test {

// Loopback addresses of this build's tests. Each build owns four, so the
// native, sanitizer and both Windows suites may run at the same time:
// native 127.0.0.2-5, ASan 6-9, Windows x86_64 10-13, Windows i686 14-17.
// 0: the update server, 1: the proxy, 2: nothing listens, 3: a second server.
std::string testAddress(int which);
// The same layout in a further range of sixteen addresses from `first`
// (four per build, in the order above), for suites that run beside it.
std::string testAddressIn(int first, int which);
// The downloads of the update run: from 127.0.0.40.
inline constexpr int kDownloadAddresses = 40;

// One of the Python tools, with its working folder, ready and stop files.
class ToolProcess {
 public:
  ToolProcess() = default;
  ~ToolProcess();
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  // Empty once the tool is up; otherwise why it is not.
  const std::string& error() const { return error_; }
  const TempDir& dir() const { return dir_; }

 protected:
  // Starts tools/update_server/<script> and waits until it is up.
  void start(const std::string& script, std::vector<std::string> arguments);
  void stop();

 private:
  TempDir dir_;
  UnixProcess process_;
  std::string error_;
  bool started_ = false;
};

// What the update server saw of one request.
struct SeenRequest {
  std::string method;
  std::string target;
  int port = 0;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;

  // The value of a header (names without regard to case); "" when absent.
  std::string header(const std::string& name) const;
  bool hasHeader(const std::string& name) const;
};

class UpdateServer : public ToolProcess {
 public:
  // Listens on port 80 of `address` and on the further ports; with a TLS
  // port, also there with the test certificate of tests/fixtures.
  explicit UpdateServer(const std::string& address, const std::vector<int>& morePorts = {}, int tlsPort = 0);

  // The routes, a JSON object as tools/update_server/server.py describes.
  void setRoutes(const std::string& routesJson) const;
  // The requests seen since the last clearLog, oldest first.
  std::vector<SeenRequest> requests() const;
  void clearLog() const;
  std::string url(const std::string& path) const { return "http://" + address_ + path; }
  const std::string& address() const { return address_; }

 private:
  std::string address_;
};

class ForwardProxy : public ToolProcess {
 public:
  // A proxy on address:port; with a user name it demands Basic authentication.
  ForwardProxy(const std::string& address, int port, const std::string& user, const std::string& password);
  // "host:port", as the request's proxy field takes it.
  std::string hostPort() const { return hostPort_; }
  // The proxy's own log.
  std::string log() const;

 private:
  std::string hostPort_;
};

// The bytes i % 251 for i in 0..size-1, as the server's "size" routes send.
std::string patternBytes(std::size_t size);

}  // namespace vantrel::test
