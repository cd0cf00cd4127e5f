// Splitting and parsing a catalogue-sized reply: the work every project list does on load.
#include <benchmark/benchmark.h>

#include "api/gbk_text.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

// About 1 MiB of project records, "ID#c-name#c-price#c-flag#c-kind#c+", names with spaces.
const GbkText& catalogueReply() {
  static const GbkText reply = [] {
    const GbkText names[] = {utf8ToGbk("某某 服务 注册"), utf8ToGbk("在线　支付 平台"),
                             utf8ToGbk("短视频 登录"), utf8ToGbk("Game Center 验证")};
    const GbkText tick = utf8ToGbk("√");
    GbkText text;
    for (int id = 1000; text.size() < (1u << 20); ++id) {
      text += std::to_string(id) + "#c-" + names[id % 4] + "#c-0." + std::to_string(id % 90 + 10) +
              "#c-" + tick + "#c-1#c+";
    }
    return text;
  }();
  return reply;
}

void BM_SplitCatalogue(benchmark::State& state) {
  const GbkText& reply = catalogueReply();
  for (auto _ : state) {
    std::size_t fields = 0;
    for (const GbkText& record : splitFields(reply, "#c+"))
      fields += splitFields(record, "#c-").size();
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_SplitCatalogue)->Unit(benchmark::kMillisecond);

void BM_ParseRecordList(benchmark::State& state) {
  const GbkText& reply = catalogueReply();
  for (auto _ : state)
    benchmark::DoNotOptimize(parseRecordList(reply, 5, Spaces::Remove));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ParseRecordList)->Unit(benchmark::kMillisecond);

void BM_RemoveAllSpaces(benchmark::State& state) {
  const GbkText& reply = catalogueReply();
  for (auto _ : state)
    benchmark::DoNotOptimize(removeAllSpaces(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_RemoveAllSpaces)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verdomo
