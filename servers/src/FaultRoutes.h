#pragma once
// Test paths under /_fault/ that misbehave on purpose, so that the fetch
// routines' failure paths run for real:
//   /_fault/echo              the request line and headers as the body
//   /_fault/404               a 404 answer with an error page as its body
//   /_fault/zero-first        a body whose first byte is zero
//   /_fault/big?bytes=N       N bytes (default 3 MiB) of numbered text, sent in many chunks
//   /_fault/reset?after=N     N bytes of a longer announced body, then the connection closes
//   /_fault/stall             a few bytes of body, then nothing until the client gives up
//   /_fault/stall-headers     nothing at all until the client gives up
// Stalls end by themselves after a minute or when the servers stop.
#include <atomic>

namespace httplib {
class Server;
}

namespace tarvo::servers {

void AddFaultRoutes(httplib::Server& server, const std::atomic<bool>& stopping);

// Byte i of the numbered text /_fault/big sends.
char BigBodyByte(size_t index);

}  // namespace tarvo::servers
