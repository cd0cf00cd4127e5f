#include "api/http_session.h"

#include <curl/curl.h>

#include <algorithm>
#include <cerrno>

#include "api/curl_setup.h"
#include "api/wire_url.h"

namespace verdomo {
namespace {

CURL* curlOf(void* handle) {
  return static_cast<CURL*>(handle);
}

bool hasScheme(std::string_view url) {
  auto startsWithLower = [&](std::string_view prefix) {
    if (url.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      char c = url[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      if (c != prefix[i]) return false;
    }
    return true;
  };
  // A URL shorter than "https://" always gets the prefix, as the Windows request object does.
  return url.size() >= 8 && (startsWithLower("https://") || startsWithLower("http://"));
}

bool connectionRefused(CURL* curl) {
  long osError = 0;
  curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &osError);
#ifdef _WIN32
  return osError == 10061;  // WSAECONNREFUSED
#else
  return osError == ECONNREFUSED;
#endif
}

bool connected(CURL* curl) {
  curl_off_t connectMicroseconds = 0;
  curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectMicroseconds);
  return connectMicroseconds > 0;
}

// What a failed transfer tells the user: the curl result folded into the few kinds a person
// can act on.
TransportFailure failureOf(CURL* curl, CURLcode result, bool bodyOverLimit) {
  switch (result) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return TransportFailure::HostNotFound;
    case CURLE_COULDNT_CONNECT:
      return connectionRefused(curl) ? TransportFailure::Refused : TransportFailure::NoConnection;
    case CURLE_OPERATION_TIMEDOUT:
      return connected(curl) ? TransportFailure::ReplyTimedOut : TransportFailure::ConnectTimedOut;
    case CURLE_WRITE_ERROR:
      return bodyOverLimit ? TransportFailure::BodyTooLarge : TransportFailure::Other;
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSL_CONNECT_ERROR:
      return TransportFailure::Reset;
    default:
      return TransportFailure::Other;
  }
}

}  // namespace

HttpSession::HttpSession(std::size_t bodyLimit) : bodyLimit_(bodyLimit) {
  initialiseCurlOnce();
  handle_ = curl_easy_init();
  CURL* curl = curlOf(handle_);
  if (curl == nullptr) return;
  applyClientDefaults(curl);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);  // the segment service's certificate
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);  // is taken as it comes
  curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);      // values go out as the caller built them
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpSession::appendBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
  applyTimeouts();
}

HttpSession::~HttpSession() {
  if (handle_ != nullptr) curl_easy_cleanup(curlOf(handle_));
}

void HttpSession::setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) {
  resolveMs_ = resolveMs;
  connectMs_ = connectMs;
  sendMs_ = sendMs;
  receiveMs_ = receiveMs;
  applyTimeouts();
}

// The four time-outs of the Windows request object, on libcurl:
// - resolve and connect -> CURLOPT_CONNECTTIMEOUT_MS, the larger of the two: libcurl's connect
//   phase includes resolving, so an unreachable host fails after about the connect time-out;
// - receive -> a low-speed limit of 1 byte/s for receive seconds (rounded up), so a server that
//   stays silent that long ends the request;
// - all four together -> CURLOPT_TIMEOUT_MS, a ceiling on the whole exchange, which also bounds
//   the send phase (libcurl has no separate send time-out) and a server that trickles forever.
void HttpSession::applyTimeouts() {
  CURL* curl = curlOf(handle_);
  if (curl == nullptr) return;
  const long connect = std::max(resolveMs_, connectMs_);
  const long receiveSeconds = std::max(1L, (static_cast<long>(receiveMs_) + 999) / 1000);
  const long ceiling = static_cast<long>(resolveMs_) + connectMs_ + sendMs_ + receiveMs_;
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connect);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, receiveSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, ceiling);
}

void HttpSession::open(std::string_view method, std::string_view gbkUrl) {
  method_ = method.empty() ? "GET" : GbkText(method);
  url_ = hasScheme(gbkUrl) ? GbkText(gbkUrl) : "http://" + GbkText(gbkUrl);
  body_.clear();
}

bool HttpSession::send() {
  body_.clear();
  bodyOverLimit_ = false;
  failure_ = TransportFailure::Other;
  CURL* curl = curlOf(handle_);
  if (curl == nullptr || url_.empty()) return false;
  try {
    const std::string wire = wireUrl(url_);
    curl_easy_setopt(curl, CURLOPT_URL, wire.c_str());
    if (method_ == "GET") {
      curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
      curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, static_cast<char*>(nullptr));
    } else {
      curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method_.c_str());
    }
    const CURLcode result = curl_easy_perform(curl);
    if (result == CURLE_OK) {
      failure_ = TransportFailure::None;
      return true;
    }
    failure_ = failureOf(curl, result, bodyOverLimit_);
  } catch (...) {
    // Out of memory while building the URL: the request counts as failed.
  }
  body_.clear();
  return false;
}

GbkText HttpSession::responseBodyText() const {
  return GbkText(body_.c_str());
}

std::size_t HttpSession::appendBody(char* data, std::size_t size, std::size_t count, void* self) {
  auto* session = static_cast<HttpSession*>(self);
  const std::size_t bytes = size * count;
  if (session->body_.size() + bytes > session->bodyLimit_) {
    session->bodyOverLimit_ = true;
    return 0;  // ends the transfer
  }
  try {
    session->body_.append(data, bytes);
  } catch (...) {
    return 0;
  }
  return bytes;
}

}  // namespace verdomo
