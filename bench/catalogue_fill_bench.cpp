// A catalogue of 20,000 projects (about 1.5 MB of reply) loaded into the project list page:
// the request to a local server, the parsing and the filling of the list, as one refresh does
// it, then the window's pending layout and painting, with the busy indication's fixed pauses
// scaled to zero.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTreeWidget>

#include "api/service_address.h"
#include "local_server.h"
#include "projects/project_catalogue.h"
#include "projects/project_list_page.h"
#include "session/app_context.h"
#include "ui/dialogs.h"

namespace verdomo {
namespace {

constexpr int kProjects = 20000;

// Records as the platform writes them: ID, a Chinese name with spaces, price, a further value
// and the favourite flag.
std::string catalogueReply() {
  const GbkText name = utf8ToGbk("某某 网站 注册 登录 验证码 项目名称 第");
  const GbkText note = utf8ToGbk("备注信息");
  std::string reply;
  for (int i = 0; i < kProjects; ++i) {
    reply += std::to_string(1000 + i) + "#c-" + name + std::to_string(i) + "#c-0." +
             std::to_string(i % 90 + 10) + "#c-" + note + "#c-" + (i % 7 == 0 ? "1" : "0") + "#c+";
  }
  return reply;
}

const std::string& reply() {
  static const std::string text = catalogueReply();
  return text;
}

void BM_CatalogueRows(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(catalogueRows(reply()));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(reply().size()));
}
BENCHMARK(BM_CatalogueRows)->Unit(benchmark::kMillisecond);

void BM_CatalogueRefresh(benchmark::State& state) {
  bench::LocalServer server(reply());
  SessionState session;
  session.userName = "demo01";
  session.password = "demo2026";
  session.addresses = buildServiceAddresses("127.0.0.1", server.port() - 83);
  MessageBoxDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0}};
  ProjectListPage page(context);
  page.show();
  auto* list = page.findChild<QTreeWidget*>("超级列表框_项目列表_收短信");
  for (auto _ : state) {
    page.refreshCatalogue();
    QCoreApplication::processEvents();  // the list lays out and paints its first rows
    if (list->topLevelItemCount() != kProjects) state.SkipWithError("the list was not filled");
  }
  state.counters["bytes"] = static_cast<double>(reply().size());
}
BENCHMARK(BM_CatalogueRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verdomo
