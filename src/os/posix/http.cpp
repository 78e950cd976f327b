// The HTTP transfer over libcurl, offering what the Windows build gets from
// WinINet: the URL is split the same way (host and path only, the port comes
// from the record), the access types mean direct, named proxy and the
// system's configuration (here the environment's proxy variables), caches are
// bypassed, redirects are followed, a 401 is retried once with the server
// credentials, and certificates are checked loosely only for secure requests.
//
// curl delivers the response in pieces of its own size; they are gathered
// into chunks of the request's chunk size, and each full chunk (and the last,
// shorter one) counts as one read, as a blocking read of that size would.
#include "os/http.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>

namespace vantrel::os {

namespace {

constexpr std::uint64_t kLargestWholeBody = 0xA00000;  // 10 MiB: read in one chunk when announced
constexpr std::size_t kDefaultChunk = 65536;
constexpr int kMostRedirects = 20;
constexpr std::uint32_t kFlagSecure = 0x00800000u;            // INTERNET_FLAG_SECURE
constexpr std::uint32_t kFlagIgnoreCertName = 0x00001000u;    // INTERNET_FLAG_IGNORE_CERT_CN_INVALID
constexpr std::uint32_t kFlagPragmaNoCache = 0x00000100u;     // INTERNET_FLAG_PRAGMA_NOCACHE
constexpr std::uint32_t kFlagReload = 0x80000000u;            // INTERNET_FLAG_RELOAD
// What WinINet leaves to its own defaults: how long a connection attempt may
// take and how long a transfer may stall.
constexpr long kConnectTimeoutSeconds = 60;
constexpr long kStallSeconds = 60;

std::int32_t toInt32(std::uint64_t value) {
  return value > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(value);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}

// The host and the path (with any query) of an absolute URL, split as
// InternetCrackUrlA splits it: a scheme, a colon, and after "//" an authority
// of optional user information, the host and an optional port.
bool crackUrl(const std::string& url, std::string& host, std::string& path) {
  std::size_t colon = url.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    unsigned char c = static_cast<unsigned char>(url[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  std::size_t pos = colon + 1;
  host.clear();
  if (url.compare(pos, 2, "//") == 0) {
    pos += 2;
    std::size_t end = url.find_first_of("/?#", pos);
    if (end == std::string::npos) end = url.size();
    std::string authority = url.substr(pos, end - pos);
    std::size_t at = authority.rfind('@');
    if (at != std::string::npos) authority.erase(0, at + 1);
    if (!authority.empty() && authority[0] == '[') {
      std::size_t close = authority.find(']');
      host = authority.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    } else {
      host = authority.substr(0, authority.find(':'));
    }
    pos = end;
  }
  path = url.substr(pos);
  return true;
}

// The path as curl must see it: the fragment stays with the client, and bytes
// a URL cannot carry are escaped (WinINet escapes spaces itself).
std::string pathForUrl(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : path.substr(0, path.find('#'))) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' || c == '`' ||
        c == '{' || c == '|' || c == '}') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  if (out.empty() || out[0] != '/') out.insert(out.begin(), '/');
  return out;
}

void initialiseCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

class Transfer {
 public:
  explicit Transfer(HttpGetRequest& request) : r_(request), start_(std::chrono::steady_clock::now()) {}

  HttpResult run() {
    HttpResult result = perform();
    if (curl_ != nullptr) curl_easy_cleanup(curl_);
    curl_ = nullptr;
    curl_slist_free_all(headerList_);
    headerList_ = nullptr;
    if (r_.onComplete) r_.onComplete(r_, result, toInt32(total_), toInt32(announced_), elapsedSeconds());
    if (r_.mode == kHttpToFile) {
      chunk_.reset();
      r_.buffer.clear();
      r_.buffer.shrink_to_fit();
      if (result != kHttpOk && (fd_ >= 0 || removeFile_)) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        ::unlink(r_.localFile.c_str());
      }
    } else if (result != kHttpOk && (r_.mode == kHttpToMemory || r_.mode == kHttpHeadersToMemory)) {
      r_.buffer.clear();
      r_.buffer.shrink_to_fit();
    }
    if (fd_ >= 0) ::close(fd_);
    return result;
  }

  // For queryResponseHeader: a header of the response being received.
  bool header(const std::string& name, std::string& value) const {
    std::string wanted = lower(name) + ":";
    std::size_t pos = responseHead_.find('\n');
    while (pos != std::string::npos && pos + 1 < responseHead_.size()) {
      std::size_t end = responseHead_.find('\n', pos + 1);
      std::string_view line(responseHead_.data() + pos + 1,
                            (end == std::string::npos ? responseHead_.size() : end) - pos - 1);
      if (startsWithNoCase(line, wanted)) {
        value = std::string(trim(line.substr(wanted.size())));
        return true;
      }
      pos = end;
    }
    return false;
  }

 private:
  enum class Next { Finish, Redirect, Retry };

  std::int32_t elapsedSeconds() const {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
    return static_cast<std::int32_t>(ms.count() / 1000);
  }

  HttpResult perform() {
    r_.bytesReceived = 0;
    r_.httpStatus = 0;

    std::string host, path;
    if (!crackUrl(r_.url, host, path)) return kHttpUnusableRequest;

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
    if (r_.port == 0) r_.port = 80;
    if (r_.secure) r_.requestFlags |= kHttpSecureRequestFlags;
    if (r_.headersLength <= 0) r_.headersLength = static_cast<std::int32_t>(r_.headers.size());
    if (r_.bodyLength <= 0) r_.bodyLength = static_cast<std::int32_t>(r_.body.size() + 1);
    // Never send more bytes than the texts hold (the body's terminating zero
    // included).
    std::size_t headersLength = std::min<std::size_t>(static_cast<std::size_t>(r_.headersLength), r_.headers.size());
    std::size_t bodyLength = std::min<std::size_t>(static_cast<std::size_t>(r_.bodyLength), r_.body.size() + 1);

    // Opening: the handle and how it reaches the internet.
    initialiseCurl();
    if (r_.accessType != kAccessSystem && r_.accessType != kAccessDirect && r_.accessType != kAccessProxy &&
        r_.accessType != 4)  // 4: the system's configuration without automatic detection
      return kHttpNoInternetHandle;
    curl_ = curl_easy_init();
    if (curl_ == nullptr) return kHttpNoInternetHandle;
    bool ok = curl_easy_setopt(curl_, CURLOPT_PRIVATE, this) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_USERAGENT, r_.userAgent.c_str()) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, kStallSeconds) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) == CURLE_OK;
    if (r_.accessType == kAccessDirect) {
      // An empty proxy overrides the proxy variables of the environment.
      ok = ok && curl_easy_setopt(curl_, CURLOPT_PROXY, "") == CURLE_OK;
    } else if (r_.accessType == kAccessProxy) {
      // The named proxy for every host: the environment's exception list
      // does not apply either.
      ok = ok && curl_easy_setopt(curl_, CURLOPT_PROXY, r_.proxy.c_str()) == CURLE_OK &&
           curl_easy_setopt(curl_, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP)) == CURLE_OK &&
           curl_easy_setopt(curl_, CURLOPT_NOPROXY, "") == CURLE_OK;
    }
    if (!ok) return kHttpNoInternetHandle;

    // Connecting: where the request goes. The URL is built from the host,
    // the record's port and the path.
    bool tls = (r_.requestFlags & kFlagSecure) != 0;
    std::string hostPart = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    if (host.empty()) return kHttpNoConnection;
    url_ = (tls ? "https://" : "http://") + hostPart + ":" + std::to_string(r_.port) + pathForUrl(path);
    ok = curl_easy_setopt(curl_, CURLOPT_URL, url_.c_str()) == CURLE_OK &&
         curl_easy_setopt(curl_, CURLOPT_PATH_AS_IS, 1L) == CURLE_OK;
    if (tls) {
      // Relaxed checks only for secure requests (and the name check when the
      // flags ask to ignore it).
      long verifyPeer = r_.secure ? 0L : 1L;
      long verifyHost = (r_.secure || (r_.requestFlags & kFlagIgnoreCertName) != 0) ? 0L : 2L;
      ok = ok && curl_easy_setopt(curl_, CURLOPT_SSL_VERIFYPEER, verifyPeer) == CURLE_OK &&
           curl_easy_setopt(curl_, CURLOPT_SSL_VERIFYHOST, verifyHost) == CURLE_OK;
    }
    if (!ok) return kHttpNoConnection;

    if (r_.accessType == kAccessProxy) {
      if (!r_.proxyUser.empty() && curl_easy_setopt(curl_, CURLOPT_PROXYUSERNAME, r_.proxyUser.c_str()) != CURLE_OK)
        return kHttpProxyCredentials;
      if (!r_.proxyPassword.empty() &&
          curl_easy_setopt(curl_, CURLOPT_PROXYPASSWORD, r_.proxyPassword.c_str()) != CURLE_OK)
        return kHttpProxyCredentials;
    }

    if (!openRequest(headersLength, bodyLength)) return kHttpNoRequest;

    bool retried = false;
    int redirects = 0;
    while (true) {
      next_ = Next::Finish;
      retried_ = retried;
      redirectsLeft_ = redirects < kMostRedirects;
      CURLcode code = curl_easy_perform(curl_);
      if (next_ == Next::Retry) {
        HttpResult failed = setServerCredentials();
        if (failed != 0) return failed;
        retried = true;
        continue;
      }
      if (next_ == Next::Redirect) {
        if (!followRedirect()) return kHttpSendFailed;
        ++redirects;
        continue;
      }
      if (failure_ != 0) return failure_;
      if (headersDone_) return kHttpOk;
      if (code != CURLE_OK) return failureOf(code);
      break;
    }
    if (!accepted_) {
      if (pending401_) {
        r_.httpStatus = 401;
        return kHttpStatusRefused;
      }
      return kHttpNoStatus;
    }
    // The end of the body: the last, shorter chunk is one more read.
    if (filled_ > 0) {
      HttpResult failed = deliverRead();
      if (failed != 0) return failed;
    }
    if (r_.mode == kHttpToMemory) {
      r_.buffer.resize(total_);
      r_.buffer.shrink_to_fit();
    } else {
      struct stat st {};
      if (::fstat(fd_, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != total_) return kHttpFileLengthWrong;
      int fd = fd_;
      fd_ = -1;
      if (::close(fd) != 0) {
        removeFile_ = true;
        return kHttpFileLengthWrong;
      }
    }
    r_.bytesReceived = static_cast<std::uint32_t>(total_);
    return kHttpOk;
  }

  bool openRequest(std::size_t headersLength, std::size_t bodyLength) {
    // The extra header lines, as WinINet takes them: CR LF separated.
    std::string extra = r_.headers.substr(0, headersLength);
    bool hasPragma = false;
    bool hasCacheControl = false;
    std::size_t start = 0;
    while (start < extra.size()) {
      std::size_t end = extra.find('\n', start);
      if (end == std::string::npos) end = extra.size();
      std::string line(trim(std::string_view(extra).substr(start, end - start)));
      if (!line.empty()) {
        hasPragma = hasPragma || startsWithNoCase(line, "pragma:");
        hasCacheControl = hasCacheControl || startsWithNoCase(line, "cache-control:");
        if (!append(line)) return false;
      }
      start = end + 1;
    }
    // The cache bypass of the request flags, as WinINet sends it.
    if ((r_.requestFlags & (kFlagPragmaNoCache | kFlagReload)) != 0) {
      if (!hasPragma && !append("Pragma: no-cache")) return false;
      if (!hasCacheControl && !append("Cache-Control: no-cache")) return false;
    }
    // WinINet sends a body at once, without waiting for "100 Continue".
    if (!append("Expect:")) return false;

    bool ok = curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headerList_) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_HEADERFUNCTION, &Transfer::headerThunk) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_HEADERDATA, this) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Transfer::bodyThunk) == CURLE_OK &&
              curl_easy_setopt(curl_, CURLOPT_WRITEDATA, this) == CURLE_OK;
    if (!r_.body.empty()) {
      ok = ok && curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(bodyLength)) == CURLE_OK &&
           curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, r_.body.c_str()) == CURLE_OK;
    }
    if (r_.verb == "HEAD") ok = ok && curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L) == CURLE_OK;
    else if (r_.verb != "GET" || !r_.body.empty())
      ok = ok && curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, r_.verb.c_str()) == CURLE_OK;
    return ok;
  }

  bool append(const std::string& line) {
    curl_slist* list = curl_slist_append(headerList_, line.c_str());
    if (list == nullptr) return false;
    headerList_ = list;
    return true;
  }

  // The server credentials for the one retry, with the scheme the server
  // asked for.
  HttpResult setServerCredentials() {
    long schemes = 0;
    std::size_t pos = 0;
    std::string head = lower(challengeHead_);
    while ((pos = head.find("www-authenticate:", pos)) != std::string::npos) {
      std::size_t end = head.find('\n', pos);
      std::string line = head.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
      if (line.find("basic") != std::string::npos) schemes |= CURLAUTH_BASIC;
      if (line.find("digest") != std::string::npos) schemes |= CURLAUTH_DIGEST;
      if (line.find("ntlm") != std::string::npos) schemes |= CURLAUTH_NTLM;
      if (line.find("negotiate") != std::string::npos) schemes |= CURLAUTH_NEGOTIATE;
      pos = end == std::string::npos ? head.size() : end;
    }
    if (schemes == 0) schemes = CURLAUTH_BASIC;
    if (!r_.user.empty() && curl_easy_setopt(curl_, CURLOPT_USERNAME, r_.user.c_str()) != CURLE_OK)
      return kHttpServerCredentials;
    if (!r_.password.empty() && curl_easy_setopt(curl_, CURLOPT_PASSWORD, r_.password.c_str()) != CURLE_OK)
      return kHttpServerCredentials;
    if ((!r_.user.empty() || !r_.password.empty()) && curl_easy_setopt(curl_, CURLOPT_HTTPAUTH, schemes) != CURLE_OK)
      return kHttpServerCredentials;
    credentialsOrigin_ = originOf(url_);
    return 0;
  }

  static std::string originOf(const std::string& url) {
    std::size_t scheme = url.find("://");
    if (scheme == std::string::npos) return url;
    std::size_t end = url.find_first_of("/?#", scheme + 3);
    return lower(url.substr(0, end));
  }

  // The next URL after a redirection: the Location resolved against the
  // current URL. Only HTTP and HTTPS are followed.
  bool resolveLocation(const std::string& location, std::string& resolved) const {
    CURLU* u = curl_url();
    if (u == nullptr) return false;
    char* full = nullptr;
    char* scheme = nullptr;
    bool ok = curl_url_set(u, CURLUPART_URL, url_.c_str(), 0) == CURLUE_OK &&
              curl_url_set(u, CURLUPART_URL, location.c_str(), CURLU_URLENCODE) == CURLUE_OK &&
              curl_url_get(u, CURLUPART_URL, &full, 0) == CURLUE_OK &&
              curl_url_get(u, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
              (std::strcmp(scheme, "http") == 0 || std::strcmp(scheme, "https") == 0);
    if (ok) resolved = full;
    curl_free(full);
    curl_free(scheme);
    curl_url_cleanup(u);
    return ok;
  }

  // Goes on to the URL of the redirection. Credentials go only to the server
  // that asked for them.
  bool followRedirect() {
    url_ = location_;
    if (curl_easy_setopt(curl_, CURLOPT_URL, url_.c_str()) != CURLE_OK) return false;
    if (!credentialsOrigin_.empty() && originOf(url_) != credentialsOrigin_) {
      curl_easy_setopt(curl_, CURLOPT_USERNAME, nullptr);
      curl_easy_setopt(curl_, CURLOPT_PASSWORD, nullptr);
      credentialsOrigin_.clear();
    }
    // 303 turns every request into a GET, 301 and 302 a POST.
    bool toGet = (redirectStatus_ == 303 && r_.verb != "HEAD") ||
                 ((redirectStatus_ == 301 || redirectStatus_ == 302) && r_.verb == "POST");
    if (toGet) {
      curl_easy_setopt(curl_, CURLOPT_HTTPGET, 1L);
      curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, nullptr);
    }
    return true;
  }

  HttpResult failureOf(CURLcode code) {
    if (accepted_) return kHttpReadFailed;
    long connectCode = 0;
    if (curl_easy_getinfo(curl_, CURLINFO_HTTP_CONNECTCODE, &connectCode) == CURLE_OK && connectCode >= 300) {
      // The proxy refused the tunnel, for instance with 407.
      r_.httpStatus = static_cast<std::uint32_t>(connectCode);
      return kHttpStatusRefused;
    }
    switch (code) {
      case CURLE_COULDNT_RESOLVE_HOST:
      case CURLE_COULDNT_RESOLVE_PROXY:
      case CURLE_COULDNT_CONNECT:
      case CURLE_URL_MALFORMAT:
        return kHttpNoConnection;
      case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connected = 0;
        curl_easy_getinfo(curl_, CURLINFO_CONNECT_TIME_T, &connected);
        return connected == 0 ? kHttpNoConnection : kHttpSendFailed;
      }
      case CURLE_WEIRD_SERVER_REPLY:
      case CURLE_UNSUPPORTED_PROTOCOL:
        return kHttpNoStatus;
      case CURLE_OUT_OF_MEMORY:
        return kHttpNoMemory;
      default:
        return kHttpSendFailed;
    }
  }

  static std::size_t headerThunk(char* data, std::size_t size, std::size_t count, void* self) {
    return static_cast<Transfer*>(self)->onHeaderLine(data, size * count);
  }
  static std::size_t bodyThunk(char* data, std::size_t size, std::size_t count, void* self) {
    return static_cast<Transfer*>(self)->onBody(data, size * count);
  }

  std::size_t onHeaderLine(const char* data, std::size_t n) {
    std::string_view line(data, n);
    if (startsWithNoCase(line, "HTTP/")) {
      // A new answer begins (after an interim one, or curl's own
      // authentication round).
      responseHead_.assign(line);
      pending401_ = false;
      status_ = 0;
      std::size_t space = line.find(' ');
      if (space != std::string_view::npos) {
        for (std::size_t i = space + 1; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i)
          status_ = status_ * 10 + (line[i] - '0');
      }
      return n;
    }
    responseHead_.append(line);
    if (line != "\r\n" && line != "\n") return n;
    return endOfHead() ? n : 0;
  }

  // The header block of an answer is complete. False stops the transfer.
  bool endOfHead() {
    if (status_ >= 100 && status_ < 200) return true;  // interim: the real answer follows
    std::string location;
    bool redirect = (status_ == 301 || status_ == 302 || status_ == 303 || status_ == 307 || status_ == 308) &&
                    header("Location", location) && !location.empty() && resolveLocation(location, location_);
    if (redirect && redirectsLeft_) {
      redirectStatus_ = status_;
      next_ = Next::Redirect;
      return false;
    }
    if (status_ == 401) {
      if (!retried_) {
        challengeHead_ = responseHead_;
        next_ = Next::Retry;
        return false;
      }
      // After the retry a 401 is final, unless curl's own authentication
      // round follows; the end of the transfer tells.
      pending401_ = true;
      return true;
    }
    if (status_ != 200 && r_.mode != kHttpHeadersToMemory) {
      r_.httpStatus = static_cast<std::uint32_t>(status_);
      failure_ = kHttpStatusRefused;
      return false;
    }

    announced_ = 0;
    std::string length;
    if (header("Content-Length", length) && !length.empty() && length.size() <= 10 &&
        std::all_of(length.begin(), length.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
      std::uint64_t value = std::stoull(length);
      if (value <= 0xFFFFFFFFu) announced_ = value;
    }
    chunkSize_ = r_.chunkSize != 0 ? static_cast<std::size_t>(r_.chunkSize)
                 : (announced_ >= 1 && announced_ <= kLargestWholeBody) ? static_cast<std::size_t>(announced_)
                                                                          : kDefaultChunk;
    try {
      if (r_.mode == kHttpToFile) {
        chunk_.reset(new (std::nothrow) char[chunkSize_]);
        if (chunk_ == nullptr) throw std::bad_alloc();
      } else {
        r_.buffer.resize(chunkSize_);
      }
    } catch (const std::exception&) {
      failure_ = kHttpNoMemory;
      return false;
    }
    if (r_.mode == kHttpToFile) {
      fd_ = ::open(r_.localFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      if (fd_ < 0) {
        failure_ = kHttpFileNotCreated;
        return false;
      }
    }
    total_ = 0;
    if (r_.onResponse) r_.onResponse(r_, curl_);

    if (r_.mode == kHttpHeadersToMemory) {
      // The raw header block; nothing further is read.
      if (responseHead_.empty()) {
        failure_ = kHttpReadFailed;
        return false;
      }
      r_.buffer = responseHead_;
      total_ = responseHead_.size();
      r_.bytesReceived = static_cast<std::uint32_t>(total_);
      headersDone_ = true;
      return false;
    }
    accepted_ = true;
    return true;
  }

  std::size_t onBody(const char* data, std::size_t n) {
    if (!accepted_) return n;  // the body of an answer that was not taken
    std::size_t used = 0;
    while (used < n) {
      char* into = r_.mode == kHttpToFile ? chunk_.get() : r_.buffer.data() + total_;
      std::size_t take = std::min(chunkSize_ - filled_, n - used);
      std::memcpy(into + filled_, data + used, take);
      filled_ += take;
      used += take;
      if (filled_ == chunkSize_) {
        HttpResult failed = deliverRead();
        if (failed != 0) {
          failure_ = failed;
          return 0;
        }
      }
    }
    return n;
  }

  // One read of `filled_` bytes has completed.
  HttpResult deliverRead() {
    std::size_t got = filled_;
    filled_ = 0;
    if (r_.mode == kHttpToFile) {
      const char* p = chunk_.get();
      std::size_t left = got;
      while (left > 0) {
        ssize_t wrote = ::write(fd_, p, left);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return kHttpFileLengthWrong;
        p += wrote;
        left -= static_cast<std::size_t>(wrote);
      }
      struct stat st {};
      if (::fstat(fd_, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != total_ + got)
        return kHttpFileLengthWrong;
    }
    total_ += got;
    if (r_.onProgress && r_.onProgress(r_, toInt32(total_), toInt32(announced_), elapsedSeconds()) == 0)
      return kHttpCancelled;
    if (r_.mode == kHttpToMemory) {
      try {
        r_.buffer.resize(total_ + chunkSize_);
      } catch (const std::exception&) {
        return kHttpNoMemory;
      }
    }
    return 0;
  }

  HttpGetRequest& r_;
  std::chrono::steady_clock::time_point start_;
  CURL* curl_ = nullptr;
  curl_slist* headerList_ = nullptr;
  std::string url_;
  int fd_ = -1;
  bool removeFile_ = false;  // closed, but not complete
  std::unique_ptr<char[]> chunk_;
  std::size_t chunkSize_ = 0;
  std::size_t filled_ = 0;  // bytes of the current chunk so far
  std::uint64_t total_ = 0;
  std::uint64_t announced_ = 0;

  // The answer being received.
  std::string responseHead_;
  long status_ = 0;
  bool pending401_ = false;
  // What the callbacks decided.
  Next next_ = Next::Finish;
  bool retried_ = false;
  bool redirectsLeft_ = true;
  std::string location_;
  long redirectStatus_ = 0;
  std::string challengeHead_;
  std::string credentialsOrigin_;
  HttpResult failure_ = 0;
  bool accepted_ = false;
  bool headersDone_ = false;
};

}  // namespace

HttpResult httpGetFromWeb(HttpGetRequest& request) { return Transfer(request).run(); }

bool queryResponseHeader(HttpRequestHandle requestHandle, const std::string& name, std::string& value) {
  value.clear();
  void* transfer = nullptr;
  if (requestHandle == nullptr ||
      curl_easy_getinfo(static_cast<CURL*>(requestHandle), CURLINFO_PRIVATE, &transfer) != CURLE_OK ||
      transfer == nullptr)
    return false;
  return static_cast<const Transfer*>(transfer)->header(name, value);
}

}  // namespace vantrel::os
