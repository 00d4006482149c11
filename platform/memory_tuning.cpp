#include "platform/memory_tuning.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace nk {

void returnLargeBlocksToTheSystem() {
#if defined(M_MMAP_THRESHOLD)
  // A fixed threshold: glibc would otherwise raise it after the first large free, and serve the
  // next pictures from the heap, which does not shrink.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

}  // namespace nk
