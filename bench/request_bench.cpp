// One platform request through the client's stack (URL building, wire escaping, HttpSession,
// body as text) against a bare libcurl GET of the same URL, both on a kept-alive connection to
// the same local server.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include "api/api_client.h"
#include "api/request_url.h"
#include "api/wire_url.h"
#include "local_server.h"

namespace verdomo {
namespace {

bench::LocalServer& localServer() {
  static bench::LocalServer server("1|13800138000");
  return server;
}

GbkText takeNumberUrl() {
  const ServiceAddresses addresses = buildServiceAddresses("127.0.0.1", localServer().port() - 81);
  return requestUrl(addresses, {"demo", "secret"}, endpoint::kTakeNumber,
                    {"1001", "", "", "", "1"});
}

void BM_PlatformRequest(benchmark::State& state) {
  const ServiceAddresses addresses = buildServiceAddresses("127.0.0.1", localServer().port() - 81);
  HttpSession session;
  for (auto _ : state) {
    const GbkText url =
        requestUrl(addresses, {"demo", "secret"}, endpoint::kTakeNumber, {"1001", "", "", "", "1"});
    benchmark::DoNotOptimize(getText(session, url));
  }
}
BENCHMARK(BM_PlatformRequest)->Unit(benchmark::kMicrosecond);

std::size_t collect(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

void BM_BareCurlGet(benchmark::State& state) {
  const std::string url = wireUrl(takeNumberUrl());
  CURL* curl = curl_easy_init();
  std::string body;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  for (auto _ : state) {
    body.clear();
    curl_easy_perform(curl);
    benchmark::DoNotOptimize(body);
  }
  curl_easy_cleanup(curl);
}
BENCHMARK(BM_BareCurlGet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace verdomo
