#include "tools/eventgen/bidder/summary_page.h"

#include "tools/eventgen/bidder/library_stage.h"

namespace quorval::bidder {
namespace {

std::string Range(int lo, int hi) { return std::to_string(lo) + "&ndash;" + std::to_string(hi); }

std::string Row(const std::string& call, const std::string& meaning) {
  return "<tr><td class=\"call\">" + call + "</td><td>" + meaning + "</td></tr>\n";
}

std::string Table(const std::string& title, const std::string& rows) {
  return "<h2>" + title + "</h2>\n<table>\n" + rows + "</table>\n";
}

// Suit symbols as the program draws them.
const char* Sym(char strain) {
  switch (strain) {
    case 'C': return "&clubs;";
    case 'D': return "<span class=\"red\">&diams;</span>";
    case 'H': return "<span class=\"red\">&hearts;</span>";
    case 'S': return "&spades;";
    default: return "NT";
  }
}

std::string Bid(int level, char strain) { return std::to_string(level) + Sym(strain); }

std::string Openings(const SystemDef& d) {
  std::string rows;
  const std::string major = std::to_string(d.majorLength) + "+ cards";
  rows += Row(Bid(1, 'C') + " / " + Bid(1, 'D'),
              "11&ndash;21 points, the longer minor; " + Bid(1, 'C') + " with 3&ndash;3 in the minors" +
                  (d.majorLength == 5 ? ", " + Bid(1, 'D') + " promises four cards unless 4&ndash;4&ndash;3&ndash;2 with three diamonds"
                                      : ""));
  rows += Row(Bid(1, 'H') + " / " + Bid(1, 'S'),
              "11&ndash;21 points, " + major + (d.majorLength == 4 ? "; with both four-card majors " + Bid(1, 'H') : "; the longer major, spades with 5&ndash;5"));
  rows += Row(Bid(1, 'N'), Range(d.ntMin, d.ntMax) + " points, balanced (a five-card suit allowed)");
  rows += Row(Bid(2, 'C'), "22+ points, or a hand of near game strength: strong and artificial, forcing");
  if (d.twos == TwoLevelStyle::WeakTwos) {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H') + " / " + Bid(2, 'S'),
                "weak two: a six-card suit, 5&ndash;10 points (7&ndash;10 and a good suit when vulnerable)");
  } else {
    rows += Row(Bid(2, 'D'), "multi: a weak two in hearts or spades, six cards, 5&ndash;10 points");
    rows += Row(Bid(2, 'H') + " / " + Bid(2, 'S'), "weak: five cards in the major and four or more in a minor, 5&ndash;10 points");
  }
  rows += Row(Bid(2, 'N'), Range(d.nt2Min, d.nt2Max) + " points, balanced");
  rows += Row("3 of a suit", "preempt: a seven-card suit, 5&ndash;10 points; four of a major with eight cards");
  rows += Row("Fourth seat", "open when the points plus the number of spades reach 15; no preempts");
  return Table("Opening bids", rows);
}

std::string Responses(const SystemDef& d) {
  std::string rows;
  rows += Row("New suit, one level", "6+ points, four or more cards, forcing one round");
  rows += Row("New suit, two level",
              d.twoOverOneGameForcing ? "12+ points: game forcing (two over one)" : "10+ points, forcing one round");
  rows += Row(Bid(1, 'N'), d.twoOverOneGameForcing ? "6&ndash;11 points, no fit" : "6&ndash;10 points, no fit");
  rows += Row("Single raise of a major", "6&ndash;9 points and " + std::to_string(d.majorLength == 5 ? 3 : 4) + "+ trumps");
  rows += Row("Jump raise of a major", "limit raise: 10&ndash;12 points");
  switch (d.raises) {
    case MajorRaiseStyle::JacobySplinters:
      rows += Row(Bid(2, 'N') + " over a major", "Jacoby: four-card support, game forcing; opener shows a short suit, "
                                                 "bids three of the major with 15+ or four with a minimum");
      rows += Row("Double jump in a new suit", "splinter: four-card support, a singleton or void in the suit bid, game values");
      break;
    case MajorRaiseStyle::LimitWith2NTGameRaise:
      rows += Row(Bid(2, 'N') + " over a major", "game raise: four-card support, 13+ points; opener bids game with a minimum");
      break;
    case MajorRaiseStyle::Limit:
      rows += Row("Game raise", "13+ points with a fit: a new suit first, then game");
      break;
  }
  rows += Row(Bid(2, 'N') + " / " + Bid(3, 'N'), "balanced, 11&ndash;12 and 13&ndash;15 points, no four-card major");
  rows += Row("Over " + Bid(2, 'C'), Bid(2, 'D') + " waiting; a good five-card suit or " + Bid(2, 'N') + " with 8+ points is positive");
  return Table("Responses to one of a suit", rows);
}

std::string NoTrump(const SystemDef& d) {
  std::string rows;
  rows += Row(Bid(2, 'C'), "Stayman: a four-card major and invitational values or better");
  if (d.transfers) {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H'), "transfer to hearts / spades: five or more cards, any strength");
    rows += Row("After the transfer", "pass weak; " + Bid(2, 'N') + " or three of the major invites; " + Bid(3, 'N') +
                                          " or four of the major to play");
  } else {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H') + " / " + Bid(2, 'S'), "weak take-out: five or more cards, to play");
    rows += Row(Bid(3, 'H') + " / " + Bid(3, 'S'), "five cards, game forcing");
  }
  rows += Row(Bid(2, 'N'), "invitational");
  rows += Row(Bid(3, 'N'), "to play");
  rows += Row(Bid(4, 'N'), "quantitative: opener bids six with a maximum");
  rows += Row("Over " + Bid(2, 'N'), "the same one level higher: " + Bid(3, 'C') + " Stayman" +
                                          (d.transfers ? ", " + Bid(3, 'D') + " / " + Bid(3, 'H') + " transfers" : ""));
  return Table("Over partner's " + Bid(1, 'N'), rows);
}

std::string Slam(const SystemDef& d) {
  std::string rows;
  switch (d.slam) {
    case SlamAsk::Blackwood:
      rows += Row(Bid(4, 'N'), "Blackwood: asks for aces");
      rows += Row("Answers", Bid(5, 'C') + " 0 or 4, " + Bid(5, 'D') + " 1, " + Bid(5, 'H') + " 2, " + Bid(5, 'S') + " 3");
      break;
    case SlamAsk::KeyCard1430:
    case SlamAsk::KeyCard3014: {
      const bool k1430 = d.slam == SlamAsk::KeyCard1430;
      rows += Row(Bid(4, 'N'), std::string("key-card ") + (k1430 ? "1430" : "3014") +
                                   ": asks for the five key cards (the four aces and the trump king)");
      rows += Row("Answers", Bid(5, 'C') + (k1430 ? " 1 or 4, " : " 0 or 3, ") + Bid(5, 'D') + (k1430 ? " 0 or 3, " : " 1 or 4, ") +
                                 Bid(5, 'H') + " 2 without the trump queen, " + Bid(5, 'S') + " 2 with the trump queen");
      break;
    }
  }
  rows += Row("After the answer", "the asker places the contract; missing two key cards, stop at five");
  return Table("Slam bidding", rows);
}

std::string Competition(const SystemDef& d) {
  std::string rows;
  rows += Row("Overcall", "a five-card suit; one level 8&ndash;17 points, two level 10+ (more when vulnerable)");
  rows += Row("Jump overcall", "weak: a six-card suit, 5&ndash;10 points");
  rows += Row("Double", "takeout: short in their suit, support for the others, 12+ points (or any 18+)");
  if (d.ntOvercall) rows += Row(Bid(1, 'N') + " overcall", "15&ndash;18 points, balanced, their suit stopped");
  rows += Row(Bid(1, 'N') + " in fourth seat", "11&ndash;14 points, balanced, their suit stopped");
  if (d.michaels) rows += Row("Cue bid of their suit", "Michaels: both majors over a minor; the other major and a minor over a major (5&ndash;5)");
  if (d.unusual2NT) rows += Row("Jump to " + Bid(2, 'N'), "unusual: the two lowest unbid suits, 5&ndash;5");
  rows += Row("Double by responder",
              d.negativeDoubles ? "negative: four cards in the unbid major, 6+ points" : "penalty: length and strength in their suit");
  rows += Row("Cue bid by responder", "a good raise of partner's suit, 11+ points");
  return Table("Competitive bidding", rows);
}

std::string Leads(const SystemDef& d) {
  std::string rows;
  switch (d.leads) {
    case LeadStyle::Standard:
      rows += Row("From a sequence", "top of touching honours (K from K-Q-10, Q from K-Q-J... second from an interior sequence)");
      rows += Row("From an honour", "the lowest card");
      rows += Row("Small cards", "the top of nothing");
      break;
    case LeadStyle::Norwegian:
      rows += Row("From a sequence", "top of touching honours; K from A-K doubleton");
      rows += Row("From an honour", "fourth highest at no trump; otherwise third from odd, fourth from even (the lowest from three)");
      rows += Row("Small cards", "the top of nothing");
      break;
    case LeadStyle::Basic:
      rows += Row("From a sequence", "top of touching honours; the third highest from an interior sequence");
      rows += Row("From length", "the lowest from an odd number, the second lowest from an even number");
      rows += Row("Doubletons", "the top card; K from A-K");
      break;
  }
  rows += Row("Against a suit contract", "the ace from a suit headed by the ace");
  return Table(std::string("Opening leads: ") + LeadStyleName(d.leads), rows);
}

}  // namespace

std::string SummaryPageName(System system, char language) {
  return std::string(Definition(system).helpPrefix) + language + ".html";
}

std::string SummaryPage(System system) {
  const SystemDef& d = Definition(system);
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + std::string(d.name) +
      " &ndash; bidding system summary</title>\n<style>\nbody { font-family: sans-serif; margin: 1.5em; }\n"
      "table { border-collapse: collapse; margin-bottom: 1em; }\n"
      "td { border-bottom: 1px solid #ccc; padding: 0.25em 0.75em; vertical-align: top; }\n"
      "td.call { white-space: nowrap; font-weight: bold; }\n.red { color: #c00000; }\n</style>\n</head>\n<body>\n<h1>" +
      d.name + "</h1>\n<p>The computer bids by this summary when you choose " + d.name +
      " as the bidding system. Points are high-card points (ace 4, king 3, queen 2, jack 1); "
      "a fit adds points for short suits.</p>\n";
  page += Openings(d) + Responses(d) + NoTrump(d) + Slam(d) + Competition(d) + Leads(d);
  page += "</body>\n</html>\n";
  return page;
}

bool WriteSummaryPages(const std::string& dir, std::string& error) {
  for (System s : kAllSystems)
    if (!WriteWhole(dir, SummaryPageName(s), SummaryPage(s), error)) return false;
  return true;
}

}  // namespace quorval::bidder
