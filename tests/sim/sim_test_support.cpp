#include "sim_test_support.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo::sim::test {
namespace {

std::size_t collect(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

}  // namespace

std::string wireEscape(std::string_view utf8) {
  static constexpr std::string_view kUnsafe = " \"#<>[\\]^`{|}";
  std::string escaped;
  for (unsigned char c : utf8) {
    if (c >= 0x80 || c < 0x20 || c == 0x7F || kUnsafe.find(static_cast<char>(c)) != kUnsafe.npos) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      escaped += hex;
    } else {
      escaped.push_back(static_cast<char>(c));
    }
  }
  return escaped;
}

HttpReply httpGet(const std::string& url) {
  HttpReply reply;
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  reply.ok = curl_easy_perform(curl) == CURLE_OK;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
  curl_easy_cleanup(curl);
  return reply;
}

std::string rawExchange(int port, std::string_view request, std::chrono::milliseconds timeout,
                        int* error) {
  const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  std::string received;
  if (error) *error = 0;
  if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    if (error) *error = errno;
    ::close(socket);
    return received;
  }
  for (std::string_view left = request; !left.empty();) {
    const ssize_t sent = ::send(socket, left.data(), left.size(), MSG_NOSIGNAL);
    if (sent <= 0) break;  // the server may refuse before it has read everything
    left.remove_prefix(static_cast<std::size_t>(sent));
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd watched{socket, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&watched, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[65536];
    const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
    if (got < 0 && error) *error = errno;
    if (got <= 0) break;
    received.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(socket);
  return received;
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t found = text.find(separator, start);
    pieces.emplace_back(text.substr(start, found - start));
    if (found == std::string_view::npos) return pieces;
    start = found + separator.size();
  }
}

Records records(std::string_view reply) {
  Records result;
  std::vector<std::string> pieces = split(reply, "#c+");
  if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
  for (const std::string& record : pieces)
    result.push_back(split(record, "#c-"));
  return result;
}

std::string SimTest::platformUrl(int fixedPort, std::string_view utf8Path) const {
  return "http://127.0.0.1:" + std::to_string(sim.platformPort(fixedPort)) + wireEscape(utf8Path);
}

std::string SimTest::askBytes(int fixedPort, std::string_view utf8Path) const {
  const HttpReply reply = httpGet(platformUrl(fixedPort, utf8Path));
  EXPECT_TRUE(reply.ok) << utf8Path;
  return reply.body;
}

std::string SimTest::ask(int fixedPort, std::string_view utf8Path) const {
  return gbkToUtf8(askBytes(fixedPort, utf8Path));
}

std::string SimTest::demo(int fixedPort, std::string_view endpoint, std::string_view rest) const {
  return ask(fixedPort, "/" + std::string(endpoint) + "/username=demo01&password=demo2026" +
                            std::string(rest));
}

std::string SimTest::takeNumber(std::string_view rest) {
  const std::string reply = demo(kNumberPort, "yh_qh", rest);
  EXPECT_EQ(reply.substr(0, 2), "1|") << reply;
  return reply.size() > 2 ? reply.substr(2) : std::string();
}

}  // namespace verdomo::sim::test
