#pragma once
// The platform server listens on ten ports, one per group of requests. Each address is the
// server host, ":" and the group's port.

#include "platform/gbk_codec.h"

namespace verdomo {

using ServiceAddress = GbkText;

struct ServiceAddresses {
  ServiceAddress accountAddress;   // sign-in, registration, password, profile, security
  ServiceAddress projectAddress;   // catalogue, favourites, project applications
  ServiceAddress dockingAddress;   // exclusive dockings, balance refresh
  ServiceAddress numberAddress;    // taking numbers
  ServiceAddress releaseAddress;   // releasing and blacklisting numbers
  ServiceAddress pollAddress;      // SMS and send-result polling, recharge submission
  ServiceAddress recordsAddress;   // record lists
  ServiceAddress sendAddress;      // send-SMS orders
  ServiceAddress withdrawAddress;  // withdrawals: the poll port, kept as a field of its own
  ServiceAddress paymentAddress;   // payee query, QR recharge
};

// The ten addresses on `serverHost`. A demo or test adds `portOffset` to every fixed port, so a
// simulator can listen without root.
ServiceAddresses buildServiceAddresses(const GbkText& serverHost, int portOffset = 0);

}  // namespace verdomo
