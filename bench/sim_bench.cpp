// The simulator as the yardstick of the client's request overhead: SMS polls of one taken number
// on one kept-alive connection, sent by a bare libcurl easy handle. Reports requests per second
// and the median latency of one poll.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "sim/platform/ports.h"
#include "sim/simulator.h"

namespace verdomo::sim {
namespace {

std::size_t collect(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

std::string get(CURL* curl, const std::string& url) {
  std::string body;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  curl_easy_perform(curl);
  return body;
}

void BM_SimulatorPoll(benchmark::State& state) {
  Simulator simulator(SimulatorOptions::forTests());
  const std::string base = "http://127.0.0.1:";
  const std::string credentials = "username=demo01&password=demo2026";
  CURL* curl = curl_easy_init();
  const std::string taken =
      get(curl, base + std::to_string(simulator.platformPort(kNumberPort)) + "/yh_qh/" +
                    credentials + "&id=1100&operator=&region=&card=&loop=1");
  if (taken.rfind("1|", 0) != 0) {
    state.SkipWithError("the take was refused");
    curl_easy_cleanup(curl);
    return;
  }
  const std::string poll = base + std::to_string(simulator.platformPort(kPollPort)) + "/yh_qm/" +
                           credentials + "&id=1100&phone=" + taken.substr(2);
  get(curl, poll);  // the connection to the poll port is open from here on

  std::vector<double> micros;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(get(curl, poll));
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  curl_easy_cleanup(curl);

  std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
  state.counters["median_us"] = micros.empty() ? 0 : micros[micros.size() / 2];
  state.counters["requests_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatorPoll)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace verdomo::sim
