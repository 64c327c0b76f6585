// HTTP exchanges over libcurl, one easy handle per transport. All transports share one
// connection cache, so consecutive requests to the same server reuse their connection.
//
// TLS certificates are always verified. Only http and https are followed, also on redirects.
#pragma once

#include <memory>

#include "tenday/http_transport.h"

namespace kestrum {

std::unique_ptr<HttpTransport> makeCurlTransport();

// A factory for HttpRequestObject.
HttpTransportFactory curlTransportFactory();

}  // namespace kestrum
