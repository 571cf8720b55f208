#include "app/show_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <iostream>

#include "core/messages.h"
#include "data/options.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/table_learner.h"
#include "table/table_panels.h"
#include "table/table_review.h"
#include "ui/bridge_grid.h"
#include "ui/progress_window.h"
#include "ui/review_window.h"
#include "ui/skin.h"
#include "ui/splash_screen.h"

namespace quorval {
namespace {

void Press(TDeskTop& desk, const char* button) {
  if (auto* b = qobject_cast<QAbstractButton*>(desk.Panel(button)); b && b->isEnabled()) b->click();
}

// "Play Next Hand": the next board is dealt and the computer calls up to South.
void Deal(TDeskTop& desk) { Press(desk, "EOSNewHand"); }

// The auction to its end with "Make Bid" at every turn of South.
void BidOut(TDeskTop& desk) {
  Deal(desk);
  for (int guard = 0; guard < 100 && desk.Game().State().phase == Phase::Bidding; ++guard) desk.ButMakeBidClick();
}

// Into the play: "Start Play" and Enter (the suggested card) a few times.
void PlaySome(TDeskTop& desk) {
  BidOut(desk);
  Press(desk, "EOBStart");
  for (int i = 0; i < 6 && desk.Game().State().phase == Phase::Playing; ++i) desk.PlayKeyDown(Qt::Key_Return, {});
}

// To the end of the board: "Start Play", then "Finish Play".
void PlayOut(TDeskTop& desk) {
  BidOut(desk);
  Press(desk, "EOBStart");
  Press(desk, "TPPFast");
}

// "Review" at the end of a board, the solver's answers all in, stepped to
// `cardsPlayed` cards (-1: the first card that cost a trick, or trick 5 when
// none did).
void Review(TDeskTop& desk, int cardsPlayed) {
  PlayOut(desk);
  const auto window = desk.Review().MakeCurrentReview();
  if (!window) return;
  window->WaitForAnalysis();
  if (cardsPlayed < 0) {
    const std::vector<int> costly = window->Review().CostlyCards();
    cardsPlayed = costly.empty() ? 16 : *std::min_element(costly.begin(), costly.end()) + 1;
  }
  window->StepTo(cardsPlayed);
  window->exec();
}

// A claim of every trick left, a few cards into the play.
void ClaimAll(TDeskTop& desk) {
  PlaySome(desk);
  desk.Learner().SetClaimAsker([](int left) { return std::optional<int>(left); });
  desk.Learner().ClaimClick();
  desk.Learner().SetClaimAsker({});
}

// Boards played by the suggested cards until a computer declarer claims; its
// question is the picture.
void ComputerClaim(TDeskTop& desk) {
  bool asked = false;
  SetQuestionSink([&asked, &desk](const std::string& text) {
    asked = true;
    QMessageBox box(QMessageBox::Question, desk.windowTitle(), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, &desk);
    return box.exec() == QMessageBox::Yes;
  });
  for (int board = 0; board < 27 && !asked; ++board) {
    BidOut(desk);
    const Contract contract = desk.Game().FinalContract();
    if (contract.PassedOut() || SideOf(contract.declarer) == SideOf(South)) continue;
    Press(desk, "EOBStart");
    for (int i = 0; i < 80 && !asked && desk.Game().State().phase == Phase::Playing; ++i)
      desk.PlayKeyDown(Qt::Key_Return, {});
  }
  SetQuestionSink({});
}

// The board played out, then "Play from here" before card 21 of it: a few
// cards on, or played out to the end of the try.
void PlayFromHere(TDeskTop& desk, bool toTheEnd) {
  PlayOut(desk);
  if (!desk.Game().Result()) return;
  const TableResult first = *desk.Game().Result();
  desk.Learner().PlayFromHere(first.key, first.play, 20);
  if (toTheEnd) Press(desk, "TPPFast");
  else
    for (int i = 0; i < 3 && desk.Game().State().phase == Phase::Playing; ++i) desk.PlayKeyDown(Qt::Key_Return, {});
}

const std::vector<ShowWindow> kShowWindows = {
    {"table", "the table as it starts, offering \"Play Next Hand\"", [](TDeskTop&) {}},
    {"bidding", "the next board dealt, the bidding box at South's first call", Deal},
    {"all_hands", "the next board dealt with all four hands shown",
     [](TDeskTop& d) {
       Deal(d);
       d.Action("ShowHands")->trigger();
     }},
    {"hint", "the next board dealt and \"Hint\" pressed: the calls marked, each with its meaning",
     [](TDeskTop& d) {
       Deal(d);
       d.ButHelpBidClick();
     }},
    {"meaning", "the next board dealt and the mouse resting on the auction's first call: its meaning",
     [](TDeskTop& d) {
       Deal(d);
       const QRect cell = d.Panels().bidReview->CellRect(ReviewColumn(d.Game().State().Dealer), 0);
       d.Tips().ShowCallTip(cell.center());
     }},
    {"bidding_box", "the bidding box alone at South's first call", Deal, false, "BidBox"},
    {"board_panel", "the board's panel alone: its number, dealer and vulnerability", Deal, false, "DupBd"},
    {"auction", "the end of the auction, the contract and \"Start Play\"", BidOut},
    {"play", "a few cards into the play, dummy face up", PlaySome},
    {"score", "the end of the board: score pad and strata pages", PlayOut},
    {"chooser", "the board chooser (\"Go to Hand\")", [](TDeskTop& d) { d.Action("GotoHand1")->trigger(); }, true},
    {"help", "the user guide of the interface language in the help window",
     [](TDeskTop& d) {
       // The help items' tags: 1 Danish, 2 English, 3 Norwegian, 4 Swedish.
       const int tags[8] = {2, 1, 3, 2, 4, 2, 2, 2};
       d.UserGuideHelp(tags[d.InterfaceLanguage() & 7]);
     }, true},
    {"preferences", "the Preferences dialog", [](TDeskTop& d) { d.Action("Preferences1")->trigger(); }, true},
    {"about", "the About window", [](TDeskTop& d) { d.Action("AboutBridgeClass")->trigger(); }, true},
    {"splash", "the splash as the program shows it at start",
     [](TDeskTop& d) {
       const QScreen* screen = QGuiApplication::primaryScreen();
       auto* splash = new TSplashScreen(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
       splash->setAttribute(Qt::WA_DeleteOnClose);
       splash->SetLanguage(d.InterfaceLanguage());
       ApplySkinToWindow(splash, Option.SkinColors, false);
       splash->show();
     }, true},
    {"session", "the session results after one board played out",
     [](TDeskTop& d) {
       PlayOut(d);
       d.Action("SessionResults1")->trigger();
     }, true},
    {"summary", "the result summary after one board played out",
     [](TDeskTop& d) {
       PlayOut(d);
       d.Action("ResultSummary1")->trigger();
     }, true},
    {"review", "the review of a board played out, at its first costly card",
     [](TDeskTop& d) { Review(d, -1); }, true},
    {"review_end", "the review of a board played out, the whole play and the summary",
     [](TDeskTop& d) { Review(d, 52); }, true},
    {"export", "Export Boards (PBN) after one board played out",
     [](TDeskTop& d) {
       PlayOut(d);
       d.Action("ExportBoards1")->trigger();
     }, true},
    {"new_events", "the New Events window", [](TDeskTop& d) { d.Action("NewEvents1")->trigger(); }, true},
    // The learner's tools: the claim, "Play from here" and My Progress.
    {"claim", "a few cards into the play, \"Claim...\" asking how many tricks",
     [](TDeskTop& d) {
       PlaySome(d);
       d.Action("ClaimMenu")->trigger();
     }, true},
    {"claim_refused", "a claim of every trick left refused: the table says how many are there",
     [](TDeskTop& d) { ClaimAll(d); }},
    {"claim_computer", "the computer declarer claims the rest and asks the user",
     [](TDeskTop& d) { ComputerClaim(d); }, true},
    {"play_from_here", "\"Play from here\" in the review: the board again from card 21, a few cards on",
     [](TDeskTop& d) { PlayFromHere(d, false); }},
    {"play_from_here_end", "\"Play from here\" played out: the tricks against double dummy and the first time",
     [](TDeskTop& d) { PlayFromHere(d, true); }},
    {"progress", "My Progress: the player's course in charts, its figures worked out",
     [](TDeskTop& d) {
       const auto window = d.Learner().MakeProgressWindow();
       window->WaitForFigures();
       window->exec();
     }, true},
};

QSet<QWidget*> ShownWindows() {
  QSet<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) shown.insert(w);
  return shown;
}

// A window the steps opened: the modal dialog, or a new window on screen.
QWidget* OpenedWindow(const QSet<QWidget*>& before, const TDeskTop& desk) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w != &desk && !before.contains(w) && w->windowType() != Qt::Popup &&
        w->windowType() != Qt::ToolTip)
      return w;
  return nullptr;
}

}  // namespace

const std::vector<ShowWindow>& ShowWindows() { return kShowWindows; }

QStringList ShowWindowNames() {
  QStringList names;
  for (const ShowWindow& w : kShowWindows) names << QString::fromLatin1(w.name);
  return names;
}

bool IsShowWindow(const QString& name) { return ShowWindowNames().contains(name); }

int ShowAndGrab(TDeskTop& desk, const QString& name, const QString& file) {
  const ShowWindow* entry = nullptr;
  for (const ShowWindow& w : kShowWindows)
    if (name == QLatin1String(w.name)) entry = &w;
  if (!entry) {
    std::cerr << "--show takes one of: " << ShowWindowNames().join(", ").toStdString() << '\n';
    return 2;
  }
  QApplication::processEvents();
  const QSet<QWidget*> before = ShownWindows();
  bool taken = false, saved = false;
  auto take = [&](QWidget* w) {
    QApplication::processEvents();
    taken = true;
    QPixmap picture = w->grab();
    // Tips are windows of their own: drawn in where the user sees them.
    QPainter painter(&picture);
    for (QWidget* tip : QApplication::topLevelWidgets())
      if (tip->isVisible() && tip->windowType() == Qt::ToolTip && tip != w)
        painter.drawPixmap(w->mapFromGlobal(tip->mapToGlobal(QPoint(0, 0))), tip->grab());
    painter.end();
    saved = picture.save(file, "PNG");
  };
  // A dialog run with exec() holds the steps until it closes: it is taken
  // from inside its own event loop and closed again.
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QPointer<QWidget> w = OpenedWindow(before, desk);
    if (taken || !w || !w->isVisible()) return;
    take(w);
    if (auto* dialog = qobject_cast<QDialog*>(w.data())) dialog->reject();
    else if (w) w->close();
  });
  poll.start();
  entry->steps(desk);
  poll.stop();
  if (!taken) {
    QWidget* opened = OpenedWindow(before, desk);
    if (!opened && entry->opensWindow) {
      std::cerr << "--show " << name.toStdString() << ": the window did not open\n";
      return 1;
    }
    QWidget* panel = entry->panel ? desk.Panel(entry->panel) : nullptr;
    take(opened ? opened : panel ? panel : &desk);
    if (opened) opened->close();
  }
  if (!saved) std::cerr << "Could not save the picture to " << file.toStdString() << '\n';
  return saved ? 0 : 1;
}

}  // namespace quorval
