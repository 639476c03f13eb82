#pragma once

#include "HttpRequest.h"

// True when the exchange can go over a plain socket: an http:// address,
// directly or through a proxy named without https://.
bool IsPlainHttp(const THttpRequest& request);

// The exchange over a socket of its own. Plain http:// needs none of the
// TLS, LDAP, SSH or Kerberos libraries libcurl maps, and the packaged HTTP
// libraries that map none write no HTTP/1.0 request line or cannot leave a
// silent read when the program ends. The request goes out as libcurl wrote
// it: HTTP/1.1 (HTTP/1.0 when asked); Host, Proxy-Authorization,
// Authorization, User-Agent, Accept, the caller's lines, then the form
// body's length and type. The answer is read by its length, in chunks or to
// the end of the connection. Throws THttpError as THttpClient does.
THttpResponse SocketTransfer(const THttpRequest& request);
