#include "tools/eventgen/library_hooks.h"

#if __has_include("tools/eventgen/bidder/library_stage.h")
#include "tools/eventgen/bidder/library_stage.h"
#define QUORVAL_EVENTGEN_LIBRARY_STAGE 1
#endif

namespace quorval::eventgen {

void InstallLibraryStage([[maybe_unused]] Generator& generator) {
#ifdef QUORVAL_EVENTGEN_LIBRARY_STAGE
  bidder::InstallLibraryStage(generator);
#endif
}

LibraryChecker LibraryCheckerForSet() {
#ifdef QUORVAL_EVENTGEN_LIBRARY_STAGE
  return bidder::LibraryCheckerForSet();
#else
  return {};
#endif
}

}  // namespace quorval::eventgen
