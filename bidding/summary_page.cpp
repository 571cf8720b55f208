#include "bidding/summary_page.h"

#include <vector>

#include "bidding/summary_phrases.h"

namespace quorval::bidder {
namespace {

std::string Range(int lo, int hi) { return std::to_string(lo) + "&ndash;" + std::to_string(hi); }

std::string Row(const std::string& call, const std::string& meaning) {
  return "<tr><td class=\"call\">" + call + "</td><td>" + meaning + "</td></tr>\n";
}

// A section under its heading; the heading's anchor lets the table open the
// page where a call's meaning is told.
std::string Table(SummarySection section, const std::string& title, const std::string& rows) {
  return std::string("<h2><a name=\"") + SummaryAnchor(section) + "\"></a>" + title + "</h2>\n<table>\n" + rows +
         "</table>\n";
}

// One page in one language: the phrases of that language, the bids drawn as
// the program draws them (suit symbols, the language's notrump mark).
class Writer {
 public:
  Writer(const SystemDef& d, HelpLanguage language) : d_(d), language_(language) {}

  std::string Page() const;

 private:
  std::string T(const std::string& key, const std::vector<std::string>& args = {}) const {
    return SummaryPhrases().Text(key, language_, args);
  }
  std::string Sym(char strain) const {
    switch (strain) {
      case 'C': return "&clubs;";
      case 'D': return "<span class=\"red\">&diams;</span>";
      case 'H': return "<span class=\"red\">&hearts;</span>";
      case 'S': return "&spades;";
      default: return T("nt");
    }
  }
  std::string Bid(int level, char strain) const { return std::to_string(level) + Sym(strain); }
  std::string Name(System s) const { return T(std::string("system.") + Definition(s).letter); }

  std::string Openings() const;
  std::string Responses() const;
  std::string NoTrump() const;
  std::string Slam() const;
  std::string Competition() const;
  std::string Leads() const;
  std::string Links() const;

  const SystemDef& d_;
  HelpLanguage language_;
};

std::string Writer::Openings() const {
  std::string rows;
  rows += Row(Bid(1, 'C') + " / " + Bid(1, 'D'), d_.majorLength == 5 ? T("open.minor.5", {Bid(1, 'C'), Bid(1, 'D')})
                                                                    : T("open.minor.4", {Bid(1, 'C')}));
  const std::string cards = std::to_string(d_.majorLength);
  rows += Row(Bid(1, 'H') + " / " + Bid(1, 'S'),
              d_.majorLength == 4 ? T("open.major.4", {cards, Bid(1, 'H')}) : T("open.major.5", {cards}));
  rows += Row(Bid(1, 'N'), T("open.1nt", {Range(d_.ntMin, d_.ntMax)}));
  rows += Row(Bid(2, 'C'), T("open.2c"));
  if (d_.twos == TwoLevelStyle::WeakTwos) {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H') + " / " + Bid(2, 'S'), T("open.weak2"));
  } else {
    rows += Row(Bid(2, 'D'), T("open.multi"));
    rows += Row(Bid(2, 'H') + " / " + Bid(2, 'S'), T("open.twosuiter"));
  }
  rows += Row(Bid(2, 'N'), T("open.2nt", {Range(d_.nt2Min, d_.nt2Max)}));
  rows += Row(T("open.3.call"), T("open.3"));
  rows += Row(T("open.4th.call"), T("open.4th"));
  return Table(SummarySection::Openings, T("open.title"), rows);
}

std::string Writer::Responses() const {
  std::string rows;
  rows += Row(T("resp.new1.call"), T("resp.new1"));
  rows += Row(T("resp.new2.call"), T(d_.twoOverOneGameForcing ? "resp.new2.gf" : "resp.new2"));
  rows += Row(Bid(1, 'N'), T(d_.twoOverOneGameForcing ? "resp.1nt.gf" : "resp.1nt"));
  rows += Row(T("resp.single.call"), T("resp.single", {std::to_string(d_.majorLength == 5 ? 3 : 4)}));
  rows += Row(T("resp.jump.call"), T("resp.jump"));
  switch (d_.raises) {
    case MajorRaiseStyle::JacobySplinters:
      rows += Row(T("resp.2nt.call", {Bid(2, 'N')}), T("resp.jacoby"));
      rows += Row(T("resp.splinter.call"), T("resp.splinter"));
      break;
    case MajorRaiseStyle::LimitWith2NTGameRaise:
      rows += Row(T("resp.2nt.call", {Bid(2, 'N')}), T("resp.2nt.raise"));
      break;
    case MajorRaiseStyle::Limit:
      rows += Row(T("resp.game.call"), T("resp.game"));
      break;
  }
  rows += Row(Bid(2, 'N') + " / " + Bid(3, 'N'), T("resp.nt"));
  rows += Row(T("over.call", {Bid(2, 'C')}), T("resp.over2c", {Bid(2, 'D'), Bid(2, 'N')}));
  return Table(SummarySection::Responses, T("resp.title"), rows);
}

std::string Writer::NoTrump() const {
  std::string rows;
  rows += Row(Bid(2, 'C'), T("nt.stayman"));
  if (d_.transfers) {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H'), T("nt.transfer"));
    rows += Row(T("nt.after.call"), T("nt.after", {Bid(2, 'N'), Bid(3, 'N')}));
  } else {
    rows += Row(Bid(2, 'D') + " / " + Bid(2, 'H') + " / " + Bid(2, 'S'), T("nt.weak"));
    rows += Row(Bid(3, 'H') + " / " + Bid(3, 'S'), T("nt.3major"));
  }
  rows += Row(Bid(2, 'N'), T("nt.2nt"));
  rows += Row(Bid(3, 'N'), T("nt.3nt"));
  rows += Row(Bid(4, 'N'), T("nt.4nt"));
  rows += Row(T("over.call", {Bid(2, 'N')}), d_.transfers ? T("nt.over2nt.transfers", {Bid(3, 'C'), Bid(3, 'D'), Bid(3, 'H')})
                                                           : T("nt.over2nt", {Bid(3, 'C')}));
  return Table(SummarySection::NoTrump, T("nt.title", {Bid(1, 'N')}), rows);
}

std::string Writer::Slam() const {
  std::string rows;
  const std::vector<std::string> answers{Bid(5, 'C'), Bid(5, 'D'), Bid(5, 'H'), Bid(5, 'S')};
  switch (d_.slam) {
    case SlamAsk::Blackwood:
      rows += Row(Bid(4, 'N'), T("slam.blackwood"));
      rows += Row(T("slam.answers.call"), T("slam.blackwood.answers", answers));
      break;
    case SlamAsk::KeyCard1430:
    case SlamAsk::KeyCard3014: {
      const bool k1430 = d_.slam == SlamAsk::KeyCard1430;
      rows += Row(Bid(4, 'N'), T("slam.keycard", {k1430 ? "1430" : "3014"}));
      rows += Row(T("slam.answers.call"), T(k1430 ? "slam.1430.answers" : "slam.3014.answers", answers));
      break;
    }
  }
  rows += Row(T("slam.after.call"), T("slam.after"));
  return Table(SummarySection::Slam, T("slam.title"), rows);
}

std::string Writer::Competition() const {
  std::string rows;
  rows += Row(T("comp.overcall.call"), T("comp.overcall"));
  rows += Row(T("comp.jump.call"), T("comp.jump"));
  rows += Row(T("comp.double.call"), T("comp.double"));
  if (d_.ntOvercall) rows += Row(T("comp.1nt.call", {Bid(1, 'N')}), T("comp.1nt"));
  rows += Row(T("comp.1nt4.call", {Bid(1, 'N')}), T("comp.1nt4"));
  if (d_.michaels) rows += Row(T("comp.michaels.call"), T("comp.michaels"));
  if (d_.unusual2NT) rows += Row(T("comp.unusual.call", {Bid(2, 'N')}), T("comp.unusual"));
  rows += Row(T("comp.responder.double.call"), T(d_.negativeDoubles ? "comp.negative" : "comp.penalty"));
  rows += Row(T("comp.cue.call"), T("comp.cue"));
  return Table(SummarySection::Competition, T("comp.title"), rows);
}

std::string Writer::Leads() const {
  std::string rows;
  std::string style;
  switch (d_.leads) {
    case LeadStyle::Standard:
      style = T("lead.standard");
      rows += Row(T("lead.sequence.call"), T("lead.sequence.standard"));
      rows += Row(T("lead.honour.call"), T("lead.honour.standard"));
      rows += Row(T("lead.small.call"), T("lead.small"));
      break;
    case LeadStyle::Norwegian:
      style = T("lead.norwegian");
      rows += Row(T("lead.sequence.call"), T("lead.sequence.norwegian"));
      rows += Row(T("lead.honour.call"), T("lead.honour.norwegian"));
      rows += Row(T("lead.small.call"), T("lead.small"));
      break;
    case LeadStyle::Basic:
      style = T("lead.basic");
      rows += Row(T("lead.sequence.call"), T("lead.sequence.basic"));
      rows += Row(T("lead.length.call"), T("lead.length.basic"));
      rows += Row(T("lead.doubleton.call"), T("lead.doubleton.basic"));
      break;
  }
  rows += Row(T("lead.ace.call"), T("lead.ace"));
  return Table(SummarySection::Leads, T("lead.title", {style}), rows);
}

// The other systems' pages and the user guide in the same language, so the
// help window can move between them.
std::string Writer::Links() const {
  std::string links = "<p>" + T("page.others");
  const char* separator = " ";
  for (System s : kAllSystems) {
    if (s == d_.id) continue;
    links += separator;
    links += "<a href=\"" + SummaryPageName(s, language_) + "\">" + Name(s) + "</a>";
    separator = ", ";
  }
  links += "</p>\n<p><a href=\"" + UserGuideFileName(language_) + "\">" + T("page.guide") + "</a></p>\n";
  return links;
}

std::string Writer::Page() const {
  const std::string name = Name(d_.id);
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"" + T("lang") + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      T("page.title", {name}) +
      "</title>\n<style>\nbody { font-family: sans-serif; margin: 1.5em; }\n"
      "table { border-collapse: collapse; margin-bottom: 1em; }\n"
      "td { border-bottom: 1px solid #ccc; padding: 0.25em 0.75em; vertical-align: top; }\n"
      "td.call { white-space: nowrap; font-weight: bold; }\n.red { color: #c00000; }\n</style>\n</head>\n<body>\n<h1>" +
      name + "</h1>\n<p>" + T("page.intro", {name}) + "</p>\n";
  page += Openings() + Responses() + NoTrump() + Slam() + Competition() + Leads() + Links();
  page += "</body>\n</html>\n";
  return page;
}

}  // namespace

std::string SummaryPageName(System system, HelpLanguage language) {
  return SystemSummaryFileName(static_cast<int>(system), language);
}

std::string SummaryPage(System system, HelpLanguage language) { return Writer(Definition(system), language).Page(); }

}  // namespace quorval::bidder
