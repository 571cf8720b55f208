#include "play/engine/leads.h"

namespace quorval::engine {

LeadWide& LastLeadWide() {
  // One engine runs on the one user-interface thread; the values carry over
  // from one engine call to the next as the rules that read them expect.
  static LeadWide kept;
  return kept;
}

void ResetLeadWide() { LastLeadWide() = LeadWide{}; }

}  // namespace quorval::engine
