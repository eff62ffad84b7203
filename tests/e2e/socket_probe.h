#pragma once
// Whether a server listens on a Unix socket: display servers are ready once they accept.

#include <string>

namespace plorvane::e2e {

// True when a client can connect to the Unix socket at `path` now.
bool AcceptsConnections(const std::string& path);

}  // namespace plorvane::e2e
