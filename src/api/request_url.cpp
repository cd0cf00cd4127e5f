#include "api/request_url.h"

#include <stdexcept>

namespace verdomo {

GbkText requestUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                   const Endpoint& endpoint, std::initializer_list<std::string_view> values) {
  GbkText url = "http://" + addresses.*endpoint.address;
  url.append(endpoint.path).append("username=").append(credentials.userName);
  url.append("&password=").append(credentials.password);
  const std::string_view* value = values.begin();
  for (std::string_view parameter : endpoint.parameters) {
    url.append("&").append(parameter);
    if (parameter.find('=') != std::string_view::npos) continue;  // a fixed "key=value"
    if (value == values.end()) throw std::logic_error("too few values for a platform request");
    url.append("=").append(*value++);
  }
  if (value != values.end()) throw std::logic_error("too many values for a platform request");
  return url;
}

}  // namespace verdomo
