#pragma once
// Applications for new projects: the platform reviews them and answers "审核中" on acceptance.

#include <string_view>

#include "api/request_url.h"

namespace verdomo {

// Name and template (or numbers) go out percent-encoded, every byte of their UTF-8 form.
GbkText receiveApplicationUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                              std::string_view name, std::string_view smsTemplate);
GbkText sendApplicationUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                           std::string_view name, std::string_view numbers);

// Only this exact reply means the application was taken for review.
bool applicationAccepted(std::string_view reply);

}  // namespace verdomo
