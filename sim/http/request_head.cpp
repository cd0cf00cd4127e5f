#include "sim/http/request_head.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace verdomo::sim {
namespace {

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> lines(std::string_view head) {
  std::vector<std::string_view> result;
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    std::string_view line = head.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) result.push_back(line);
    if (end == std::string_view::npos) break;
    head.remove_prefix(end + 1);
  }
  return result;
}

bool isToken(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isalpha(c) || c == '-' || c == '_';
  });
}

bool hasToken(std::string_view list, std::string_view token) {
  const std::string lower = lowerAscii(list);
  std::size_t start = 0;
  while (start <= lower.size()) {
    const std::size_t comma = lower.find(',', start);
    const std::string_view item = trim(
        std::string_view(lower).substr(start, comma == std::string::npos ? comma : comma - start));
    if (item == token) return true;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return false;
}

}  // namespace

std::size_t findHeadEnd(std::string_view buffer) {
  for (std::size_t newline = buffer.find('\n'); newline != std::string_view::npos;
       newline = buffer.find('\n', newline + 1)) {
    if (newline + 1 < buffer.size() && buffer[newline + 1] == '\n') return newline + 2;
    if (newline + 2 < buffer.size() && buffer[newline + 1] == '\r' && buffer[newline + 2] == '\n')
      return newline + 3;
  }
  return std::string_view::npos;
}

std::optional<RequestHead> parseRequestHead(std::string_view head) {
  const std::vector<std::string_view> all = lines(head);
  if (all.empty()) return std::nullopt;

  // Request line: exactly three parts separated by single spaces.
  const std::string_view requestLine = all.front();
  const std::size_t firstSpace = requestLine.find(' ');
  const std::size_t lastSpace = requestLine.rfind(' ');
  if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return std::nullopt;
  RequestHead parsed;
  parsed.method = requestLine.substr(0, firstSpace);
  parsed.target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
  parsed.version = requestLine.substr(lastSpace + 1);
  if (!isToken(parsed.method) || parsed.target.empty() ||
      parsed.target.find(' ') != std::string::npos)
    return std::nullopt;
  if (parsed.version == "HTTP/1.0")
    parsed.keepAlive = false;
  else if (parsed.version != "HTTP/1.1")
    return std::nullopt;
  if (std::any_of(parsed.target.begin(), parsed.target.end(),
                  [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
    return std::nullopt;

  for (std::size_t i = 1; i < all.size(); ++i) {
    const std::size_t colon = all[i].find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    const std::string name = lowerAscii(trim(all[i].substr(0, colon)));
    const std::string_view value = trim(all[i].substr(colon + 1));
    if (name == "connection") {
      if (hasToken(value, "close")) parsed.keepAlive = false;
      if (hasToken(value, "keep-alive")) parsed.keepAlive = true;
    } else if (name == "content-length") {
      const auto [end, error] =
          std::from_chars(value.data(), value.data() + value.size(), parsed.contentLength);
      if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    } else if (name == "transfer-encoding") {
      parsed.chunked = hasToken(value, "chunked");
    }
  }
  return parsed;
}

}  // namespace verdomo::sim
