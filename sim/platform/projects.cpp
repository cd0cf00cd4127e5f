// The catalogue, favourites and project applications (port 83).
#include <algorithm>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

bool isFavourite(const Account& account, int projectId) {
  return std::find(account.favourites.begin(), account.favourites.end(), projectId) !=
         account.favourites.end();
}

// ID #c- name #c- price #c- cards online #c- favourite flag, each record closed by "#c+".
void appendRecord(GbkText& reply, const Project& project, bool favourite) {
  reply += std::to_string(project.id) + "#c-" + project.name + "#c-" + formatMoney(project.price) +
           "#c-" + std::to_string(project.cardsOnline) + "#c-" + (favourite ? "1" : "0") + "#c+";
}

bool matches(const Project& project, std::string_view search) {
  return search.empty() || std::to_string(project.id) == search ||
         containsGbkIgnoringCase(project.name, search);
}

}  // namespace

HttpResponse searchCatalogue(PlatformState& state, const PlatformRequest& request,
                             Account* account) {
  const GbkText search = withoutSpaces(request.value("ss"));
  GbkText reply;
  for (const Project& project : state.projects)
    if (matches(project, search)) appendRecord(reply, project, isFavourite(*account, project.id));
  return textReply(reply);
}

HttpResponse listFavourites(PlatformState& state, const PlatformRequest& request,
                            Account* account) {
  const bool sendOnly = request.value("l") == "1";
  GbkText reply;
  for (int id : account->favourites) {
    const Project* project = state.project(id);
    if (project && (!sendOnly || project->sends)) appendRecord(reply, *project, true);
  }
  return textReply(reply);
}

HttpResponse addFavourite(PlatformState& state, const PlatformRequest& request, Account* account) {
  // "id" carries ID #c- name #c- price; the ID decides.
  const GbkText id = splitGbk(request.value("id"), "#c-").front();
  const Project* project = state.project(id);
  if (!project) return textReply("项目不存在"_gbk);
  if (isFavourite(*account, project->id)) return textReply("该项目已收藏"_gbk);
  account->favourites.push_back(project->id);
  return textReply("收藏成功"_gbk);
}

HttpResponse removeFavourite(PlatformState& state, const PlatformRequest& request,
                             Account* account) {
  const Project* project = state.project(request.value("id"));
  if (!project || !isFavourite(*account, project->id)) return textReply("该项目未收藏"_gbk);
  std::erase(account->favourites, project->id);
  return textReply("取消收藏成功"_gbk);
}

HttpResponse applyForProject(PlatformState& state, const PlatformRequest& request, Account*) {
  const GbkText name = request.value("m");
  const GbkText kind = request.value("l");
  if (name.empty()) return textReply("项目名称不能为空"_gbk);
  if (name.size() > 60) return textReply("项目名称过长"_gbk);
  if (kind == "1") {
    if (request.value("dx").empty()) return textReply("短信模板不能为空"_gbk);
  } else if (kind == "2") {
    const GbkText numbers = request.value("hm");
    if (numbers.empty()) return textReply("发送号码不能为空"_gbk);
    for (const GbkText& number : splitGbk(numbers, "#"))
      if (!isDigits(number) || number.size() < 3 || number.size() > 20)
        return textReply("发送号码格式错误，多个号码用#隔开"_gbk);
  } else {
    return textReply("申请类型错误"_gbk);
  }
  const bool known =
      std::any_of(state.projects.begin(), state.projects.end(),
                  [&](const Project& p) { return p.name == name || p.shortName == name; }) ||
      std::find(state.applications.begin(), state.applications.end(), name) !=
          state.applications.end();
  if (known) return textReply("该项目已存在或正在审核"_gbk);
  state.applications.push_back(name);
  return textReply("审核中"_gbk);
}

}  // namespace verdomo::sim
