#include "table/table_printing.h"

#include <QLabel>

#include "core/board_key.h"
#include "core/messages.h"
#include "scoring/board_result.h"
#include "scoring/field_comparison.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/table_panels.h"
#include "table/table_review.h"
#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/result_summary.h"
#include "ui/session_results.h"
#include "ui/skin.h"

namespace quorval {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::vector<PageDrawer> OnePage(const std::function<void(QPainter&)>& draw) { return {draw}; }

}  // namespace

TTablePrinting::TTablePrinting(TDeskTop& desk) : desk_(desk), labels_(std::make_unique<TReportLabels>()) {}

TTablePrinting::~TTablePrinting() = default;

void TTablePrinting::SetLanguage(int language) { labels_->SetLanguage(language); }

// The strata grids' headings in the interface language; the match-point
// label is the hand report's.
std::array<QString, 7> TTablePrinting::StrataHeadings(bool imps) const {
  return {desk_.Word("LabelStrata"), "#",
          desk_.Word("ByLabel"),     desk_.Word("LabelContract"),
          desk_.Word("Labeltrks"),   desk_.Word("LabelScore"),
          imps ? QString("IMP") : labels_->Text("LabelMP")};
}

HandReportData TTablePrinting::CurrentHandReport() const {
  const TableGame& game = desk_.Game();
  const TableState& state = game.State();
  HandReportData d;
  d.eventText = desk_.Panels().sessionLab->text();
  d.imps = state.IsImpEvent();
  d.language = desk_.InterfaceLanguage();
  d.board = state.BoardNo;
  d.dealer = state.Dealer;
  d.vul = state.Vul;
  d.deal = state.BoardDeal;
  const auto heads = StrataHeadings(d.imps);
  for (auto& stratum : d.strata) stratum[0] = heads;
  if (state.phase == Phase::NoBoard) return d;
  const KeptPlay kept = game.PlayAtTable();
  d.calls = kept.calls;
  d.meanings = desk_.Tips().ReportMeanings(d.calls);
  d.contractKnown = game.Auction().auction.Over();
  d.contract = game.FinalContract();
  d.tricks = KeptTricks(kept);
  d.claim = kept.claim;
  // Tricks, score and strata are the board's own only once it is over.
  if (state.phase == Phase::BoardOver && game.Result()) {
    const TableResult& result = *game.Result();
    d.resultKnown = true;
    d.declarerTricks = result.declarerTricks;
    d.boardScore = result.score;
    const std::optional<FieldComparison> cmp = result.filed ? game.ResultStrata() : std::nullopt;
    d.strataKnown = cmp.has_value();
    FillReportStrata(d, cmp ? &*cmp : nullptr);
  }
  return d;
}

// The strata of a hand report: the headings, and the rows of the
// comparison when there is one.
void TTablePrinting::FillReportStrata(HandReportData& d, const FieldComparison* cmp) const {
  const auto heads = StrataHeadings(d.imps);
  for (int s = 0; s < 3; ++s) {
    d.strata[size_t(s)][0] = heads;
    for (int r = 0; r < kRowsPerStratum && cmp && cmp->built; ++r)
      for (int c = 0; c < kGridColumns; ++c)
        d.strata[size_t(s)][size_t(r + 1)][size_t(c)] = Q(cmp->strata[size_t(s)].rows[size_t(r)].cells[size_t(c)]);
  }
}

std::optional<HandReportData> TTablePrinting::FiledHandReport(const std::string& key, std::string& problem) {
  TableFiles& files = desk_.Files();
  problem.clear();
  const auto filed = ReadFiledResult(FiledLine(files.options, files.PlayerName(), key));
  if (!filed || key.size() != 8) {
    problem = "No filed result for " + key;
    return std::nullopt;
  }
  BoardOnTable board;
  if (!ReadBoard(files, key, desk_.Game().State().BidSystemLetter, "Passed out", board)) {
    problem = "Board " + key + " cannot be read";
    return std::nullopt;
  }
  HandReportData d;
  const BoardKey parts = BoardKey::Parse(key).value_or(BoardKey{});
  d.eventText = Q(parts.eventType + " - " + parts.session);
  d.imps = IsImpEvent(parts.eventType);
  d.language = desk_.InterfaceLanguage();
  d.board = parts.board;
  d.dealer = board.Dealer;
  d.vul = board.Vul;
  d.deal = board.BoardDeal;
  d.contractKnown = true;
  d.contract = FiledContract(*filed);
  d.resultKnown = true;
  d.declarerTricks = WholeNumber(filed->tricks()).value_or(0);
  d.boardScore = WholeNumber(filed->score()).value_or(0);

  // The auction and play, when the kept record is sound and belongs to this
  // deal and this filed result; otherwise the board is printed without them.
  if (const auto kept = MatchingKeptPlay(files, key, board, *filed, problem)) {
    d.calls = kept->calls;
    d.meanings = desk_.Tips().ReportMeanings(d.calls);
    d.tricks = KeptTricks(*kept);
    d.claim = kept->claim;
    d.contract = kept->FinalContract();
  }

  // The strata as the table builds them: the field's results against the
  // filed score.
  ComparisonSettings settings;
  settings.imps = d.imps;
  settings.mpScoringSys = desk_.Opt().MPScoringSys;
  const UserResult user = MakeUserResult(d.contract, d.declarerTricks, d.boardScore, d.dealer, settings.passedOutLabel);
  const FieldComparison cmp = BuildResultGrids(user, board.BoardValues, d.dealer, key, settings);
  FillReportStrata(d, &cmp);
  d.strataKnown = cmp.built;
  return d;
}

bool TTablePrinting::SendPages(QWidget* parent, const QString& name, const std::vector<PageDrawer>& pages,
                         PrintTarget target) {
  if (printer_) return printer_(parent, name, pages, target);
  return PrintPages(parent, name, pages, target, desk_.InterfaceLanguage());
}

void TTablePrinting::PrintHand(PrintTarget target) {
  if (desk_.Game().phase() == Phase::NoBoard) return;
  const HandReportData report = CurrentHandReport();
  const TReportLabels* labels = labels_.get();
  SendPages(&desk_, Q(desk_.Game().Board().Key) + ".pdf",
            OnePage([report, labels](QPainter& p) { PrintReport(p, report, *labels); }), target);
}

bool TTablePrinting::PrintFiledHand(const std::string& key, PrintTarget target, QWidget* parent) {
  std::string problem;
  const auto report = FiledHandReport(key, problem);
  if (!report) {
    ShowMessage(problem);
    return false;
  }
  if (!problem.empty()) ShowMessage(problem + ". The board is printed without its auction and play.");
  const TReportLabels* labels = labels_.get();
  const HandReportData data = *report;
  return SendPages(parent, Q(key) + ".pdf", OnePage([data, labels](QPainter& p) { PrintReport(p, data, *labels); }),
                   target);
}

SessionPrintPage TTablePrinting::SessionListPage(const TSessionResult& window) const {
  SessionPrintPage page;
  page.title = labels_->Text("LabelName");
  page.scoringItem = window.ScoringItemText();
  page.sessionName = Q(window.ShownEvent() + window.ShownSession());
  // The rows the window lists, as it built them; the widths as it shows them.
  const TBridgeGrid* grid = window.Grid();
  for (const SessionListRow& listed : window.Rows()) {
    std::array<QString, 8> row;
    for (int c = 0; c < 8; ++c) row[size_t(c)] = Q(listed.cells[size_t(c)]);
    page.rows.push_back(row);
  }
  for (int c = 0; c < 8; ++c) page.columnWidths[size_t(c)] = grid->ColWidth(c);
  page.totalsRow = window.TotalsRow();
  return page;
}

SessionPrintPage TTablePrinting::SessionListPage(const std::string& event, const std::string& session) {
  const auto window = MakeSessionResults();
  window->EventRGClick(event == "Imp" ? 0 : 1);
  window->SessionClick(WholeNumber(session).value_or(1));
  window->Panel6Resize();
  return SessionListPage(*window);
}

std::unique_ptr<TSessionResult> TTablePrinting::MakeSessionResults() {
  const TableFiles& files = desk_.Files();
  const TOption& option = desk_.Opt();
  auto window = std::make_unique<TSessionResult>(&desk_, files.options, files.PlayerName(),
                                                 desk_.Game().State().EventType, desk_.Game().State().Session,
                                                 option.MPScoringSys, FromColourRef(option.SkinColors[5]));
  window->SetLanguage(desk_.InterfaceLanguage());
  TSessionResult* w = window.get();
  ApplySkinToWindow(w, option.SkinColors, false);
  w->SetPrinters(
      [this, w](PrintTarget target) {
        const SessionPrintPage page = SessionListPage(*w);
        SendPages(w, page.sessionName + ".pdf", OnePage([page](QPainter& p) { PrintSessionList(p, page); }), target);
      },
      [this, w](const std::string& key, PrintTarget target) { PrintFiledHand(key, target, w); });
  w->SetReviewer([this, w](const std::string& key) { desk_.Review().ReviewFiledBoard(key, w); });
  return window;
}

std::unique_ptr<TFormSummary> TTablePrinting::MakeResultSummary() {
  const TOption& option = desk_.Opt();
  auto window = std::make_unique<TFormSummary>(&desk_, desk_.Files().options, desk_.Files().PlayerName(),
                                               option.MPScoringSys, FromColourRef(option.SkinColors[5]));
  window->SetLanguage(desk_.InterfaceLanguage());
  ApplySkinToWindow(window.get(), option.SkinColors, false);
  return window;
}

}  // namespace quorval
