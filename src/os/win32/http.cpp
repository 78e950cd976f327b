// The HTTP transfer over WinINet. The calls, their order and their flags
// decide the request's caching, authentication and certificate behaviour, so
// they follow one fixed sequence: crack the URL, open, connect, (proxy
// credentials), open the request, (security flags), send with at most one
// authentication retry, check the status, read, close.
#include "os/http.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>

namespace vantrel::os {

namespace {

constexpr DWORD kLargestWholeBody = 0xA00000;  // 10 MiB: read in one chunk when announced
constexpr DWORD kDefaultChunk = 65536;
constexpr DWORD kIgnoreCertificateProblems = 0x3380;  // revocation, unknown CA, wrong usage, name, date

std::int32_t toInt32(std::uint64_t value) {
  return value > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(value);
}

class Transfer {
 public:
  explicit Transfer(HttpGetRequest& request) : r_(request), start_(GetTickCount()) {}

  HttpResult run() {
    HttpResult result = perform();
    result = closeHandles(result);
    if (r_.onComplete) r_.onComplete(r_, result, toInt32(total_), toInt32(announced_), elapsedSeconds());
    if (r_.mode == kHttpToFile) {
      chunk_.reset();
      r_.buffer.clear();
      r_.buffer.shrink_to_fit();
      if (result != kHttpOk && (file_ != INVALID_HANDLE_VALUE || removeFile_)) {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
        DeleteFileA(r_.localFile.c_str());
      }
    } else if (result != kHttpOk && (r_.mode == kHttpToMemory || r_.mode == kHttpHeadersToMemory)) {
      r_.buffer.clear();
      r_.buffer.shrink_to_fit();
    }
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    return result;
  }

 private:
  std::int32_t elapsedSeconds() const { return static_cast<std::int32_t>((GetTickCount() - start_) / 1000); }

  HttpResult perform() {
    r_.bytesReceived = 0;
    r_.httpStatus = 0;

    // Only the host name and the path (with any query) are taken.
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    if (!InternetCrackUrlA(r_.url.c_str(), 0, 0, &parts)) return kHttpUnusableRequest;
    std::string host = parts.lpszHostName ? std::string(parts.lpszHostName, parts.dwHostNameLength) : "";
    std::string path = parts.lpszUrlPath ? std::string(parts.lpszUrlPath, parts.dwUrlPathLength) : "";

    if (r_.mode == kHttpToFile) {
      if (r_.localFile.empty()) return kHttpUnusableRequest;
    } else if (r_.mode == kHttpToMemory || r_.mode == kHttpHeadersToMemory) {
      r_.buffer.clear();
    } else {
      return kHttpUnusableRequest;
    }
    if (r_.accessType == kAccessProxy && r_.proxy.empty()) return kHttpUnusableRequest;
    // A port the connection cannot carry would silently become another one.
    if (r_.port < 0 || r_.port > 65535) return kHttpUnusableRequest;

    if (r_.chunkSize < 0) r_.chunkSize = 0;
    if (r_.userAgent.empty()) r_.userAgent = "Zelmar HTTPLib";
    if (r_.verb.empty()) r_.verb = "GET";
    if (r_.requestFlags == 0) r_.requestFlags = kHttpDefaultRequestFlags;
    if (r_.port == 0) r_.port = INTERNET_DEFAULT_HTTP_PORT;
    if (r_.secure) r_.requestFlags |= kHttpSecureRequestFlags;
    if (r_.headersLength <= 0) r_.headersLength = static_cast<std::int32_t>(r_.headers.size());
    if (r_.bodyLength <= 0) r_.bodyLength = static_cast<std::int32_t>(r_.body.size() + 1);
    // Never hand the platform more bytes than the texts hold (the body's
    // terminating zero included).
    DWORD headersLength = std::min<DWORD>(static_cast<DWORD>(r_.headersLength), static_cast<DWORD>(r_.headers.size()));
    DWORD bodyLength = std::min<DWORD>(static_cast<DWORD>(r_.bodyLength), static_cast<DWORD>(r_.body.size() + 1));

    internet_ = InternetOpenA(r_.userAgent.c_str(), static_cast<DWORD>(r_.accessType),
                              r_.proxy.empty() ? nullptr : r_.proxy.c_str(), nullptr, 0);
    if (internet_ == nullptr) return kHttpNoInternetHandle;

    connection_ = InternetConnectA(internet_, host.c_str(), static_cast<INTERNET_PORT>(r_.port), nullptr, nullptr,
                                   INTERNET_SERVICE_HTTP, 0, 0);
    if (connection_ == nullptr) return kHttpNoConnection;

    if (r_.accessType == kAccessProxy) {
      if (!r_.proxyUser.empty() &&
          !InternetSetOptionA(connection_, INTERNET_OPTION_PROXY_USERNAME, const_cast<char*>(r_.proxyUser.c_str()),
                              static_cast<DWORD>(r_.proxyUser.size())))
        return kHttpProxyCredentials;
      if (!r_.proxyPassword.empty() &&
          !InternetSetOptionA(connection_, INTERNET_OPTION_PROXY_PASSWORD,
                              const_cast<char*>(r_.proxyPassword.c_str()), static_cast<DWORD>(r_.proxyPassword.size())))
        return kHttpProxyCredentials;
    }

    request_ = HttpOpenRequestA(connection_, r_.verb.c_str(), path.c_str(), nullptr, nullptr, nullptr,
                                r_.requestFlags, 0);
    if (request_ == nullptr) return kHttpNoRequest;
    if (r_.secure) {
      DWORD flags = 0;
      DWORD size = sizeof flags;
      InternetQueryOptionA(request_, INTERNET_OPTION_SECURITY_FLAGS, &flags, &size);
      flags |= kIgnoreCertificateProblems;
      InternetSetOptionA(request_, INTERNET_OPTION_SECURITY_FLAGS, &flags, sizeof flags);
    }

    DWORD status = 0;
    bool retried = false;
    while (true) {
      if (!HttpSendRequestA(request_, headersLength > 0 ? r_.headers.c_str() : nullptr, headersLength,
                            r_.body.empty() ? nullptr : const_cast<char*>(r_.body.c_str()),
                            r_.body.empty() ? 0 : bodyLength))
        return kHttpSendFailed;
      DWORD size = sizeof status;
      if (!HttpQueryInfoA(request_, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return kHttpNoStatus;
      if (status != HTTP_STATUS_DENIED || retried) break;
      if (!r_.user.empty() && !InternetSetOptionA(connection_, INTERNET_OPTION_USERNAME,
                                                  const_cast<char*>(r_.user.c_str()),
                                                  static_cast<DWORD>(r_.user.size())))
        return kHttpServerCredentials;
      if (!r_.password.empty() && !InternetSetOptionA(connection_, INTERNET_OPTION_PASSWORD,
                                                      const_cast<char*>(r_.password.c_str()),
                                                      static_cast<DWORD>(r_.password.size())))
        return kHttpServerCredentials;
      retried = true;
    }
    if (status != HTTP_STATUS_OK && r_.mode != kHttpHeadersToMemory) {
      r_.httpStatus = status;
      return kHttpStatusRefused;
    }

    DWORD announced = 0;
    DWORD size = sizeof announced;
    if (!HttpQueryInfoA(request_, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced, &size, nullptr))
      announced = 0;
    announced_ = announced;
    DWORD chunk = static_cast<DWORD>(r_.chunkSize);
    if (chunk == 0) chunk = (announced >= 1 && announced <= kLargestWholeBody) ? announced : kDefaultChunk;

    if (!allocate(chunk)) return kHttpNoMemory;

    if (r_.mode == kHttpToFile) {
      file_ = CreateFileA(r_.localFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file_ == INVALID_HANDLE_VALUE) return kHttpFileNotCreated;
    }

    total_ = 0;
    if (r_.onResponse) r_.onResponse(r_, request_);

    if (r_.mode == kHttpHeadersToMemory) return readHeaders(chunk);
    return readBody(chunk);
  }

  bool allocate(DWORD chunk) {
    try {
      if (r_.mode == kHttpToFile) {
        chunk_.reset(new (std::nothrow) char[chunk]);
        return chunk_ != nullptr;
      }
      r_.buffer.resize(chunk);
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }

  HttpResult readHeaders(DWORD chunk) {
    DWORD size = chunk;
    if (!HttpQueryInfoA(request_, HTTP_QUERY_RAW_HEADERS_CRLF, r_.buffer.data(), &size, nullptr)) {
      // A block larger than the chunk buffer: the platform said how much
      // room it needs.
      if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return kHttpReadFailed;
      try {
        r_.buffer.resize(size);
      } catch (const std::exception&) {
        return kHttpNoMemory;
      }
      if (!HttpQueryInfoA(request_, HTTP_QUERY_RAW_HEADERS_CRLF, r_.buffer.data(), &size, nullptr))
        return kHttpReadFailed;
    }
    if (size == 0) return kHttpReadFailed;
    r_.buffer.resize(size);
    total_ = size;
    r_.bytesReceived = size;
    return kHttpOk;
  }

  HttpResult readBody(DWORD chunk) {
    while (true) {
      char* into = r_.mode == kHttpToFile ? chunk_.get() : r_.buffer.data() + total_;
      DWORD got = 0;
      if (!InternetReadFile(request_, into, chunk, &got)) return kHttpReadFailed;
      if (got > 0 && r_.mode == kHttpToFile) {
        DWORD wrote = 0;
        LARGE_INTEGER length{};
        if (!WriteFile(file_, into, got, &wrote, nullptr) || !GetFileSizeEx(file_, &length) ||
            static_cast<std::uint64_t>(length.QuadPart) != total_ + got)
          return kHttpFileLengthWrong;
      }
      total_ += got;
      if (got > 0 && r_.onProgress &&
          r_.onProgress(r_, toInt32(total_), toInt32(announced_), elapsedSeconds()) == 0)
        return kHttpCancelled;
      if (got == 0) break;
      if (r_.mode == kHttpToMemory) {
        try {
          r_.buffer.resize(total_ + chunk);
        } catch (const std::exception&) {
          return kHttpNoMemory;
        }
      }
    }
    // The connection ended before the announced length arrived: the body is
    // incomplete, whatever the platform made of it.
    if (announced_ > 0 && total_ < announced_ && r_.verb != "HEAD") return kHttpReadFailed;
    if (r_.mode == kHttpToMemory) {
      r_.buffer.resize(total_);
      r_.buffer.shrink_to_fit();
    } else {
      LARGE_INTEGER length{};
      if (!FlushFileBuffers(file_) || !GetFileSizeEx(file_, &length) ||
          static_cast<std::uint64_t>(length.QuadPart) != total_)
        return kHttpFileLengthWrong;
      HANDLE file = file_;
      file_ = INVALID_HANDLE_VALUE;
      if (!CloseHandle(file)) {
        removeFile_ = true;
        return kHttpFileLengthWrong;
      }
    }
    r_.bytesReceived = static_cast<std::uint32_t>(total_);
    return kHttpOk;
  }

  HttpResult closeHandles(HttpResult result) {
    bool ok = true;
    if (request_ != nullptr) ok = InternetCloseHandle(request_) && ok;
    if (connection_ != nullptr) ok = InternetCloseHandle(connection_) && ok;
    if (internet_ != nullptr) ok = InternetCloseHandle(internet_) && ok;
    request_ = connection_ = internet_ = nullptr;
    return ok ? result : kHttpCloseFailed;
  }

  HttpGetRequest& r_;
  DWORD start_;
  HINTERNET internet_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool removeFile_ = false;  // closed, but not complete
  std::unique_ptr<char[]> chunk_;
  std::uint64_t total_ = 0;
  std::uint64_t announced_ = 0;
};

}  // namespace

HttpResult httpGetFromWeb(HttpGetRequest& request) { return Transfer(request).run(); }

bool queryResponseHeader(HttpRequestHandle requestHandle, const std::string& name, std::string& value) {
  value.clear();
  std::string room(std::max<std::size_t>(name.size() + 1, 256), '\0');
  std::copy(name.begin(), name.end(), room.begin());
  DWORD size = static_cast<DWORD>(room.size());
  if (!HttpQueryInfoA(static_cast<HINTERNET>(requestHandle), HTTP_QUERY_CUSTOM, room.data(), &size, nullptr)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    room.assign(size + 1, '\0');
    std::copy(name.begin(), name.end(), room.begin());
    size = static_cast<DWORD>(room.size());
    if (!HttpQueryInfoA(static_cast<HINTERNET>(requestHandle), HTTP_QUERY_CUSTOM, room.data(), &size, nullptr))
      return false;
  }
  value.assign(room.data(), size);
  return true;
}

}  // namespace vantrel::os
