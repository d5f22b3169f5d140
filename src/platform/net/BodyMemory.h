#pragma once
// Memory for a response body whose size was announced.
#include <cstddef>
#include <string>

namespace tarvo {

// Makes room for a body of the given size in one allocation and asks the host
// to map its pages now: touching fresh pages one fault at a time costs more
// than the transfer of a large body itself. A large body is reserved in whole
// huge pages (up to 2 MiB more than asked) where the host can map them at once.
void ReserveBody(std::string& body, size_t size);

}  // namespace tarvo
