#pragma once
// What every transfer of the client shares: libcurl set up once for the process, and the
// defaults of the Windows request object it stands in for.

#include <curl/curl.h>

namespace verdomo {

// Safe from any thread; the first call sets libcurl up.
void initialiseCurlOnce();

// No signals, our User-Agent, redirects followed (at most 10, http and https only) and a
// direct connection whatever the environment's proxy settings say.
void applyClientDefaults(CURL* curl);

}  // namespace verdomo
