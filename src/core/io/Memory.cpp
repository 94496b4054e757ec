#include "core/io/Memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace io {

void returnLargeBlocksToSystem() {
#if defined(M_MMAP_THRESHOLD)
    // glibc's own starting value; setting it at all stops it moving.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace io
