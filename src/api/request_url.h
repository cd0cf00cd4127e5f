#pragma once
// Platform request URLs. The whole request travels in the path, without "?":
// "http://" + address + path + "username=" + user + "&password=" + password + "&key=value"...
// Values go in as the GBK text they are, unescaped; the transport escapes for the wire.

#include <initializer_list>
#include <string_view>

#include "api/endpoint_index.h"

namespace verdomo {

struct Credentials {
  GbkText userName;
  GbkText password;
};

// `values` fill the endpoint's parameters without a fixed value, in order; a count that does not
// match is a programming error and throws std::logic_error.
GbkText requestUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                   const Endpoint& endpoint, std::initializer_list<std::string_view> values = {});

}  // namespace verdomo
