// The HTTP transfer: one request, its body to a file or to memory, or its
// raw response headers to memory. WinINet on Windows, libcurl on POSIX; both
// offer the same choices (system proxy configuration, direct access, a named
// proxy with credentials, cache bypass, one authentication retry, relaxed
// certificate checks for secure requests).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vantrel::os {

// Result of httpGetFromWeb. Callers test for kHttpOk and log anything else.
using HttpResult = std::int32_t;

inline constexpr HttpResult kHttpOk = 1;
inline constexpr HttpResult kHttpUnusableRequest = 32769;   // URL, mode, localFile or proxy missing
inline constexpr HttpResult kHttpNoMemory = 32770;          // chunk buffer or memory result
inline constexpr HttpResult kHttpCancelled = 32771;         // onProgress returned 0
inline constexpr HttpResult kHttpFileLengthWrong = 32773;   // writing the local file failed
inline constexpr HttpResult kHttpFileNotCreated = 32774;
inline constexpr HttpResult kHttpStatusRefused = 32775;     // status other than 200, see httpStatus
inline constexpr HttpResult kHttpNoInternetHandle = 32776;
inline constexpr HttpResult kHttpNoConnection = 32777;
inline constexpr HttpResult kHttpProxyCredentials = 32778;
inline constexpr HttpResult kHttpServerCredentials = 32779;
inline constexpr HttpResult kHttpNoRequest = 32780;
inline constexpr HttpResult kHttpSendFailed = 32781;
inline constexpr HttpResult kHttpNoStatus = 32782;
inline constexpr HttpResult kHttpReadFailed = 32783;
inline constexpr HttpResult kHttpCloseFailed = 32784;

// Where the body goes.
inline constexpr std::int32_t kHttpToFile = 2;
inline constexpr std::int32_t kHttpToMemory = 3;
inline constexpr std::int32_t kHttpHeadersToMemory = 4;

// How the request reaches the server (the values of WinINet's open types).
inline constexpr std::int32_t kAccessSystem = 0;  // the system's proxy configuration
inline constexpr std::int32_t kAccessDirect = 1;
inline constexpr std::int32_t kAccessProxy = 3;   // the proxy named in `proxy`

// Default request flags: reload from the origin, write no cache entry, no
// dialogs, "Pragma: no-cache".
inline constexpr std::uint32_t kHttpDefaultRequestFlags = 0x84000300u;
// Added for secure requests: TLS, certificate name and date not checked.
inline constexpr std::uint32_t kHttpSecureRequestFlags = 0x00803000u;

// The platform's request handle (HINTERNET on Windows, CURL* on POSIX), as
// onResponse receives it.
using HttpRequestHandle = void*;

struct HttpGetRequest;

// Called after each read that delivered bytes; returning 0 cancels.
using HttpProgressCallback = std::function<std::int32_t(HttpGetRequest& request, std::int32_t receivedSoFar,
                                                        std::int32_t announcedLength, std::int32_t elapsedSeconds)>;
// Called once after the status was accepted and before the first read.
using HttpResponseCallback = std::function<void(HttpGetRequest& request, HttpRequestHandle requestHandle)>;
// Called exactly once at the end of every call, after the platform handles
// were closed and before a partial local file is removed.
using HttpCompleteCallback =
    std::function<void(HttpGetRequest& request, HttpResult result, std::int32_t receivedSoFar,
                       std::int32_t announcedLength, std::int32_t elapsedSeconds)>;

struct HttpGetRequest {
  // Inputs. Defaults (see httpGetFromWeb) are written back into the record.
  std::string url;              // only its host name and path are used
  std::int32_t mode = 0;        // kHttpToFile, kHttpToMemory or kHttpHeadersToMemory
  std::int32_t chunkSize = 0;   // bytes per read; 0 = chosen from the announced length
  std::string userAgent;        // empty = "Zelmar HTTPLib"
  std::string verb;             // empty = "GET"
  std::string user;             // server credentials, sent only after a 401
  std::string password;
  std::string headers;          // extra request header lines (CR LF separated)
  std::int32_t headersLength = 0;  // bytes of `headers` to send; <= 0 = all
  std::string body;             // request body; empty = none
  std::int32_t bodyLength = 0;  // bytes of `body` to send; <= 0 = all plus its terminating zero
  std::int32_t port = 0;        // 0 = 80; a port written in the URL is not used
  bool secure = false;          // TLS with relaxed certificate checks
  std::int32_t accessType = kAccessSystem;
  std::uint32_t requestFlags = 0;  // 0 = kHttpDefaultRequestFlags
  std::string localFile;        // mode 2: full path of the file to create
  std::string proxy;            // access type 3: "host:port"
  std::string proxyUser;        // access type 3 only, when not empty
  std::string proxyPassword;
  HttpProgressCallback onProgress;
  HttpResponseCallback onResponse;
  HttpCompleteCallback onComplete;

  // Outputs.
  std::uint32_t bytesReceived = 0;  // body bytes (mode 4: length of the header block), on success
  std::uint32_t httpStatus = 0;     // the refused status (result kHttpStatusRefused)
  // Mode 3: the body, exactly bytesReceived bytes; mode 4: the header block.
  // Empty after any result but kHttpOk, and always in mode 2.
  std::string buffer;
};

// Performs the request; blocks until the transfer has ended. Writes no log
// lines and shows nothing. Calls on different threads with different records
// do not interfere; the callbacks run on the calling thread.
HttpResult httpGetFromWeb(HttpGetRequest& request);

// Reads one response header through the handle onResponse received (only
// valid during that call). False when the response has no such header.
bool queryResponseHeader(HttpRequestHandle requestHandle, const std::string& name, std::string& value);

}  // namespace vantrel::os
