// Responses to partner's 1NT (opening or overcall) and 2NT opening: Stayman,
// transfers where the system plays them, weak take-outs and the no-trump raises.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {

void NoTrumpResponses(Ctx& c) {
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const int level = LevelOf(c.LastCallOf(c.pd));
  const int up = level - 1;  // 0 over 1NT, 1 over 2NT
  int pts = c.pts;
  for (int l : h.len) pts += std::max(0, l - 5);  // long suits add a little
  const int lo = pts + p.minPts, hi = pts + p.maxPts;
  const TSuit longMajor = h.len[Spade] >= h.len[Heart] ? Spade : Heart;
  const int majorLen = h.len[longMajor];

  // Transfers: any five-card major.
  if (c.sys.transfers && majorLen >= 5) {
    Meaning m;
    m.Len(longMajor, 5).As(Conv::Transfer).Strain(longMajor).Forcing(Force::OneRound);
    c.Add(MakeBid(2 + up, longMajor - 1), m, kMain);
    if (hi < 25 && majorLen == 5) c.Add(Pass, Meaning{}.Pts(0, 24 - p.maxPts), kAlternative - 10);
    if (majorLen == 5 && h.len[Heart + Spade - longMajor] == 4 && hi >= 25)
      c.Add(MakeBid(2 + up, Club), Meaning{}.As(Conv::Stayman).Pts(25 - p.maxPts, 37).Forcing(Force::OneRound),
            kAlternative);
    return;
  }
  // Without transfers: weak five-card suits sign off, strong ones force.
  if (!c.sys.transfers && majorLen >= 5 && up == 0) {
    if (hi < 25 && majorLen >= 5)
      c.Add(MakeBid(2, longMajor), Meaning{}.Pts(0, 7).Len(longMajor, 5).Strain(longMajor).As(Conv::SignOff), kMain);
    else if (lo >= 25 && majorLen >= 6)
      c.Add(MakeBid(4, longMajor), Meaning{}.Pts(25 - p.minPts, 37).Len(longMajor, 6).Strain(longMajor).As(Conv::SignOff),
            kMain);
    else if (lo >= 25)
      c.Add(MakeBid(3, longMajor), Meaning{}.Pts(25 - p.minPts, 37).Len(longMajor, 5).Strain(longMajor).Forcing(Force::Game),
            kMain);
    else if (h.len[Heart + Spade - longMajor] == 4)
      c.Add(MakeBid(2, Club), Meaning{}.As(Conv::Stayman).Pts(25 - p.maxPts, 37).Forcing(Force::OneRound), kMain);
    // Three of the major forces to game, so an invitation with six cards
    // decides at once: game at the top of the range, two of the major below
    // it. With five it invites in no trump below.
    else if (majorLen >= 6 && lo >= 24)
      c.Add(MakeBid(4, longMajor), Meaning{}.Pts(24 - p.minPts, 37).Len(longMajor, 6).Strain(longMajor).As(Conv::SignOff),
            kMain);
    else if (majorLen >= 6)
      c.Add(MakeBid(2, longMajor), Meaning{}.Pts(0, 24 - p.minPts).Len(longMajor, 5).Strain(longMajor).As(Conv::SignOff),
            kMain);
    if (!c.out.empty()) return;
  }
  // Stayman with a four-card major and at least an invitation.
  if ((h.len[Heart] == 4 || h.len[Spade] == 4) && hi >= 25 && lo < 33) {
    c.Add(MakeBid(2 + up, Club), Meaning{}.As(Conv::Stayman).Pts(25 - p.maxPts, 37).Forcing(Force::OneRound), kMain);
    // Many players simply raise with a flat hand.
    if (h.balanced && h.Shortest() >= 3 && lo >= 25)
      c.Add(MakeBid(3, NT), Meaning{}.Pts(25 - p.minPts, 32 - p.minPts).Strain(NT).As(Conv::SignOff), kAlternative);
    return;
  }
  // Weak hands with a long minor or diamonds sign off in the system without transfers.
  if (hi < 25) {
    if (!c.sys.transfers && up == 0 && h.len[Diamond] >= 5 && h.len[Diamond] >= h.len[Club])
      c.Add(MakeBid(2, Diamond), Meaning{}.Pts(0, 7).Len(Diamond, 5).Strain(Diamond).As(Conv::SignOff), kMain - 2);
    c.Add(Pass, Meaning{}.Pts(0, 24 - p.maxPts), kMain - 1);
    return;
  }
  Meaning nt;
  nt.Strain(NT);
  if (lo >= 37) c.Add(MakeBid(7, NT), Meaning(nt).Pts(37 - p.minPts, 37).As(Conv::SignOff), kMain);
  else if (lo >= 33) c.Add(MakeBid(6, NT), Meaning(nt).Pts(33 - p.minPts, 36 - p.minPts).As(Conv::SignOff), kMain);
  else if (hi >= 33)
    c.Add(MakeBid(4, NT), Meaning(nt).Pts(33 - p.maxPts, 32 - p.minPts).As(Conv::Quantitative), kMain);
  else if (lo >= 25) {
    c.Add(MakeBid(3, NT), Meaning(nt).Pts(25 - p.minPts, 32 - p.maxPts).As(Conv::SignOff), kMain);
    if (lo <= 26 && up == 0) c.Add(MakeBid(2, NT), Meaning(nt).Pts(25 - p.maxPts, 24 - p.minPts).As(Conv::Invite), kAlternative);
  } else if (up == 0) {
    c.Add(MakeBid(2, NT), Meaning(nt).Pts(25 - p.maxPts, 24 - p.minPts).As(Conv::Invite), kMain);
    c.Add(Pass, Meaning{}.Pts(0, 24 - p.maxPts), kAlternative);
    if (lo >= 24) c.Add(MakeBid(3, NT), Meaning(nt).Pts(25 - p.minPts, 32 - p.maxPts).As(Conv::SignOff), kAlternative);
  } else {
    c.Add(MakeBid(3, NT), Meaning(nt).Pts(25 - p.maxPts, 32 - p.maxPts).As(Conv::SignOff), kMain);
  }
}

}  // namespace quorval::bidder
