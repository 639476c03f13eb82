#pragma once

#include "HttpRequest.h"

// The exchange over libcurl, loaded by the first call: for https:// addresses
// and proxies. Throws THttpError as THttpClient does.
THttpResponse CurlTransfer(const THttpRequest& request);
