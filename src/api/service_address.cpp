#include "api/service_address.h"

#include <string>

namespace verdomo {

ServiceAddresses buildServiceAddresses(const GbkText& serverHost, int portOffset) {
  auto at = [&](int port) { return serverHost + ":" + std::to_string(port + portOffset); };
  return {.accountAddress = at(82),
          .projectAddress = at(83),
          .dockingAddress = at(85),
          .numberAddress = at(81),
          .releaseAddress = at(107),
          .pollAddress = at(38123),
          .recordsAddress = at(130),
          .sendAddress = at(1780),
          .withdrawAddress = at(38123),
          .paymentAddress = at(16899)};
}

}  // namespace verdomo
