#pragma once
// Where the sequence library joins the generator. The library stage lives in
// tools/eventgen/bidder/; when it provides "library_stage.h" with
//   void quorval::bidder::InstallLibraryStage(eventgen::Generator&);
//   eventgen::LibraryChecker quorval::bidder::LibraryCheckerForSet();
// generate adds its sinks and chooser, and check validates its library too.

#include "tools/eventgen/checker.h"
#include "tools/eventgen/generator.h"

namespace quorval::eventgen {

// Lets the library stage add its sink (and its field chooser, if it has one).
void InstallLibraryStage(Generator& generator);
// The library checker for check, or an empty function while there is none.
LibraryChecker LibraryCheckerForSet();

}  // namespace quorval::eventgen
