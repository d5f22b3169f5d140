#pragma once
// Memory for a response body whose size was announced.
#include <cstddef>
#include <string>

namespace tarvo {

// Makes room for a body of the given size in one reservation, so that it
// never moves while it fills, and asks the host to map the reservation's
// whole pages now: touching fresh pages one fault at a time costs more than
// the transfer of a large body itself. Only pages that lie wholly inside the
// reservation are touched, whatever the allocator keeps around it.
void ReserveBody(std::string& body, size_t size);

}  // namespace tarvo
