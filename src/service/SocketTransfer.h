#pragma once

#include "HttpRequest.h"

// True when the exchange can go over a plain socket: an http:// address,
// directly or through a proxy named without https://.
bool IsPlainHttp(const THttpRequest& request);

// The exchange over a socket of its own: HTTP/1.1 (HTTP/1.0 when asked), the
// request written as libcurl writes it (Host, Proxy-Authorization,
// Authorization, User-Agent, Accept, the caller's lines, then the form
// body's length and type), the answer read by its length, in chunks or to
// the end of the connection. Throws THttpError as THttpClient does.
THttpResponse SocketTransfer(const THttpRequest& request);
