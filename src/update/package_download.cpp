#include "update/package_download.h"

#include <curl/curl.h>

#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "api/curl_setup.h"
#include "api/wire_url.h"
#include "platform/file_operations.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

// One transfer's state, seen by libcurl's callbacks on the downloading thread.
struct Transfer {
  CURL* curl = nullptr;
  const std::filesystem::path& target;
  DownloadProgress& progress;
  std::int64_t maximumBytes = 0;
  std::ofstream file;
  long status = 0;
  bool started = false;
  bool tooLarge = false;
  bool writeFailed = false;
};

// The file is opened at the first byte of a 200 reply, so an error reply or a failed
// connection never leaves a file.
bool startFile(Transfer& transfer) {
  transfer.started = true;
  curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &transfer.status);
  if (transfer.status != 200) return false;
  transfer.file.open(transfer.target, std::ios::binary | std::ios::trunc);
  if (!transfer.file) {
    transfer.writeFailed = true;
    return false;
  }
  curl_off_t length = -1;
  curl_easy_getinfo(transfer.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  if (length > 0) {
    transfer.progress.total.store(length);
    hideFile(transfer.target);
  }
  return true;
}

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  if (!transfer.started && !startFile(transfer)) return 0;
  if (transfer.progress.cancelled.load()) return 0;
  const std::int64_t received = transfer.progress.received.load();
  if (received + static_cast<std::int64_t>(bytes) > transfer.maximumBytes) {
    transfer.tooLarge = true;
    return 0;
  }
  if (!transfer.file.write(data, static_cast<std::streamsize>(bytes))) {
    transfer.writeFailed = true;
    return 0;
  }
  transfer.progress.received.store(received + static_cast<std::int64_t>(bytes));
  return bytes;
}

// Also called while libcurl waits for the connection or for data, so cancellation is seen even
// when nothing arrives.
int checkCancelled(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<Transfer*>(user)->progress.cancelled.load() ? 1 : 0;
}

GbkText failureText(CURLcode code, const Transfer& transfer) {
  if (transfer.progress.cancelled.load()) return "下载已取消"_gbk;
  if (transfer.status != 0 && transfer.status != 200) {
    return "更新服务器回复HTTP "_gbk + std::to_string(transfer.status);
  }
  if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) return "更新包过大"_gbk;
  if (transfer.writeFailed) return "无法保存更新包"_gbk;
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      return "无法连接更新服务器"_gbk;
    case CURLE_OPERATION_TIMEDOUT: {
      // Timed out before the request could be sent, or stalled after it.
      long requestBytes = 0;
      curl_easy_getinfo(transfer.curl, CURLINFO_REQUEST_SIZE, &requestBytes);
      return requestBytes > 0 ? "下载停滞"_gbk : "无法连接更新服务器"_gbk;
    }
    case CURLE_OK:
      return "更新包为空"_gbk;
    default:
      return "下载中断"_gbk;
  }
}

}  // namespace

DownloadResult downloadPackage(std::string_view gbkUrl, const std::filesystem::path& target,
                               DownloadProgress& progress, const DownloadLimits& limits) {
  initialiseCurlOnce();
  progress.total.store(0);
  progress.received.store(0);
  const std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
  CURL* curl = handle.get();
  if (curl == nullptr) return {false, "下载中断"_gbk};
  Transfer transfer{
      .curl = curl, .target = target, .progress = progress, .maximumBytes = limits.maximumBytes};
  const std::string url = wireUrl(gbkUrl);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  applyClientDefaults(curl);
  // No ceiling on the whole transfer: a large package on a slow line may take its time, as long
  // as it keeps moving.
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallSeconds));
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maximumBytes));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &writeBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &checkCancelled);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);

  const CURLcode code = curl_easy_perform(curl);
  if (!transfer.started) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &transfer.status);
  if (transfer.file.is_open()) {
    transfer.file.close();
    if (!transfer.file) transfer.writeFailed = true;
  }
  const bool complete = code == CURLE_OK && transfer.status == 200 && !transfer.writeFailed &&
                        progress.received.load() > 0;
  if (complete) return {true, {}};
  std::error_code ignored;
  std::filesystem::remove(target, ignored);
  return {false, failureText(code, transfer)};
}

}  // namespace verdomo
