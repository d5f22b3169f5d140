#include "platform/net/BodyMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace tarvo {
namespace {

// Below this the pages are few and fault in cheaply as the body fills.
constexpr size_t kPopulateMin = 64u << 10;

uintptr_t AlignDown(uintptr_t value, uintptr_t alignment) { return value & ~(alignment - 1); }
uintptr_t AlignUp(uintptr_t value, uintptr_t alignment) { return AlignDown(value + alignment - 1, alignment); }

}  // namespace

void ReserveBody(std::string& body, size_t size) {
  body.reserve(size);
#ifdef MADV_POPULATE_WRITE
  if (size < kPopulateMin) return;
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto data = reinterpret_cast<uintptr_t>(body.data());
  const uintptr_t begin = AlignUp(data + body.size(), page);
  const uintptr_t end = AlignDown(data + body.capacity(), page);
  // Only a hint: older kernels refuse it and the pages fault in as usual.
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}

}  // namespace tarvo
