#include "projects/project_application.h"

#include "api/percent_encode.h"

namespace verdomo {

using namespace verdomo::literals;

GbkText receiveApplicationUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                              std::string_view name, std::string_view smsTemplate) {
  return requestUrl(addresses, credentials, endpoint::kApplyReceiveProject,
                    {percentEncode(name), percentEncode(smsTemplate)});
}

GbkText sendApplicationUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                           std::string_view name, std::string_view numbers) {
  return requestUrl(addresses, credentials, endpoint::kApplySendProject,
                    {percentEncode(name), percentEncode(numbers)});
}

bool applicationAccepted(std::string_view reply) {
  static const GbkText underReview = "审核中"_gbk;
  return reply == underReview;
}

}  // namespace verdomo
