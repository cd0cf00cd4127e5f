#include "send/send_take.h"

#include "api/gbk_text.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr std::size_t kShortestPhone = 6;  // bytes a number must exceed

}  // namespace

SendProjects sendSearchProjects(std::string_view reply) {
  return sendProjectsOf(parseRecordList(reply, 5, Spaces::Remove));
}

bool phoneLongEnough(std::string_view phone) {
  return removeAllSpaces(phone).size() > kShortestPhone;
}

std::optional<GbkText> sendSmsProblem(std::string_view phone, std::string_view serviceNumber,
                                      std::string_view content) {
  if (!phoneLongEnough(phone)) return "手机号码错"_gbk;
  if (serviceNumber.empty()) return "请选择发送号码"_gbk;
  if (removeAllSpaces(content).empty()) return "请输入发送内容"_gbk;
  return std::nullopt;
}

SendTakeReply parseSendTakeReply(std::string_view reply) {
  const std::vector<GbkText> pieces = splitFields(reply, "|");
  if (pieces.empty()) return {};
  if (pieces[0] != "1") return {SendTakeReply::Kind::kRefused, {}};
  if (pieces.size() < 2 || pieces[1].empty()) return {};
  return {SendTakeReply::Kind::kNumber, pieces[1]};
}

GbkText provinceLabel(std::string_view province) {
  return "号码归属地: "_gbk + GbkText(province);
}

GbkText sendTakeSpecificUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                            std::string_view projectId, const TakeFilters& filters,
                            std::string_view phone) {
  return requestUrl(
      addresses, credentials, endpoint::kTakeNumberWithPhone,
      {projectId, filters.operatorValue, filters.region, filters.card, filters.loop, phone});
}

GbkText sendSmsUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                   std::string_view projectId, std::string_view serviceNumber,
                   std::string_view phone, std::string_view content) {
  return requestUrl(addresses, credentials, endpoint::kSendSms,
                    {projectId, serviceNumber, phone, content});
}

}  // namespace verdomo
