#pragma once
// Sends an answer into an HTTP response, bent by a fault when there is one.
#include <optional>

#include "Answer.h"
#include "FaultKinds.h"
#include "StopSignal.h"

namespace httplib {
struct Response;
}

namespace tarvo::servers {

// Fills the response (status, Date header, body or a body provider). A stall
// waits here, on the request's own thread, until `stop` is raised or a minute
// has passed; the providers of the other kinds wait on `stop` too.
void Deliver(Answer answer, const std::optional<FaultKind>& fault, httplib::Response& response,
             const StopSignal& stop);

}  // namespace tarvo::servers
