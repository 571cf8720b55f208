#include "app/monkey.h"

#include <sys/stat.h>

#include <QAbstractButton>
#include <QAbstractPrintDialog>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "app/monkey_guard.h"
#include "core/messages.h"
#include "data/board_file.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "data/program_folder.h"
#include "scoring/filed_check.h"
#include "ui/card_control.h"

namespace quorval {
namespace {

// Menu items the monkey leaves alone: they quit, make new events, or open a
// file or print dialog (which a run without a user must not wait on), or a
// window whose buttons change as its own thread works (My Progress), which
// would make the same seed give other actions.
const char* const kLeftOutItems[] = {"ExitMenu",      "NewEvents1",       "OpenEventSet1", "ExportBoards1",
                                     "PrintHandMenu", "PrintPreviewMenu", "SavePdfMenu",   "MyProgress1"};

// Keys of the bidding and the play (levels, strains and suits, ranks, the
// calls and the keyboard's own keys) and keys a user may press anyway.
const Qt::Key kKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3,  Qt::Key_4,      Qt::Key_5,      Qt::Key_6,         Qt::Key_7,
                         Qt::Key_8, Qt::Key_9, Qt::Key_0,  Qt::Key_C,      Qt::Key_D,      Qt::Key_H,         Qt::Key_S,
                         Qt::Key_N, Qt::Key_P, Qt::Key_X,  Qt::Key_A,      Qt::Key_K,      Qt::Key_Q,         Qt::Key_J,
                         Qt::Key_T, Qt::Key_M, Qt::Key_R,  Qt::Key_I,      Qt::Key_E,      Qt::Key_O,         Qt::Key_Return,
                         Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                         Qt::Key_Space, Qt::Key_Tab, Qt::Key_Escape};

constexpr int kRecentActions = 20;     // named when the run fails
constexpr int kDialogPatience = 15;    // actions on one dialog before Escape
constexpr int kDialogLimit = 30;       // and before it is closed outright

bool LeftOut(const QAction* action) {
  for (const char* name : kLeftOutItems)
    if (action->objectName() == QLatin1String(name)) return true;
  const QString text = action->text().remove('&').trimmed();
  return text.endsWith("...") || text.endsWith(QChar(0x2026));
}

// The menu items of the window's menu bar, submenus opened, left-out items
// and separators skipped.
std::vector<QAction*> MenuItems(QWidget& window) {
  std::vector<QAction*> items;
  auto* bar = window.findChild<QMenuBar*>();
  if (!bar) return items;
  const QList<QAction*> top = bar->actions();
  std::vector<QAction*> todo(top.begin(), top.end());
  for (size_t i = 0; i < todo.size(); ++i) {
    QAction* a = todo[i];
    if (a->menu()) {
      for (QAction* sub : a->menu()->actions()) todo.push_back(sub);
      continue;
    }
    if (!a->isSeparator() && !LeftOut(a)) items.push_back(a);
  }
  return items;
}

// What a user takes for a button: Qt's own buttons and the program's button
// controls (the bidding box, the board chooser).
bool ButtonLike(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || QByteArray(w->metaObject()->className()).endsWith("Button");
}

// The dialogs of the system a run without a user cancels at once.
bool StandardDialog(const QWidget* w) {
  return qobject_cast<const QFileDialog*>(w) || qobject_cast<const QAbstractPrintDialog*>(w) ||
         qobject_cast<const QPrintPreviewDialog*>(w) || qobject_cast<const QColorDialog*>(w) ||
         qobject_cast<const QFontDialog*>(w);
}

std::string Name(const QObject* o) {
  if (!o) return "nothing";
  if (!o->objectName().isEmpty()) return o->objectName().toStdString();
  return o->metaObject()->className();
}

// A widget as the action log names it: a card by its face, a button by its
// name, anything else by its name and the name of its parent.
std::string Describe(const QWidget* w) {
  if (!w) return "nothing";
  if (const auto* card = qobject_cast<const TCard*>(w))
    return card->ShowBack() ? "a face-down card" : "the card " + CardText(MakeCard(card->Rank(), card->Suit()));
  std::string text = Name(w);
  if (w->objectName().isEmpty() && w->parentWidget()) text += " in " + Name(w->parentWidget());
  return text;
}

struct FileStamp {
  long long size = -1, seconds = 0, nanoseconds = 0, inode = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
          static_cast<long long>(info.st_mtim.tv_nsec), static_cast<long long>(info.st_ino)};
}

}  // namespace

struct Monkey::State {
  int total = 0;
  unsigned seed = 0;
  std::string player;
  std::map<std::string, std::string> before;   // the player's lines before the run
  std::mt19937 random;
  QPointer<QWidget> window;
  std::unique_ptr<MonkeyGuard> guard;
  QTimer step;
  int done = 0;
  bool finishing = false;
  std::string fault;
  std::deque<std::pair<int, std::string>> recent;   // number and text of the last actions
  uint64_t signature = 1469598103934665603ull;   // FNV-1a over the actions' texts
  // While a click or key is delivered Qt turns the event loop (as between a
  // user's press and release); a step due then waits, unless the event
  // opened a modal dialog, which is answered from inside its own loop.
  int delivering = 0;
  QPointer<QWidget> modalWhileDelivering;
  QPointer<QWidget> dialog;
  int dialogActions = 0;
  int dialogsAnswered = 0;
  int dialogsCancelled = 0;
  std::map<std::string, int> messages;
  int sounds = 0;
  FileStamp optionsStamp, playsStamp;
  std::map<std::string, std::string> lastLines;
  int filings = 0;

  int Draw(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random); }
  bool Chance(int percent) { return Draw(100) < percent; }
  template <class T>
  T Pick(const std::vector<T>& items) { return items[static_cast<size_t>(Draw(static_cast<int>(items.size())))]; }

  void Fail(const std::string& text) {
    if (!fault.empty()) return;
    fault = "action " + std::to_string(done) + " (" + (recent.empty() ? "none" : recent.back().second) + "): " + text;
  }

  // Names the action about to be performed: in the log of the last actions,
  // the run's signature, and for a crash or a hang.
  void Announce(const std::string& what) {
    recent.emplace_back(done, what);
    if (recent.size() > kRecentActions) recent.pop_front();
    for (const char c : what + "\n") signature = (signature ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    guard->SetAction(done, what);
  }

  // A random point of `w`, in the coordinates of its window; a point where
  // the widget itself (or a child) is hit when one is found in a few draws.
  QPoint PointIn(QWidget* w) {
    QWidget* top = w->window();
    QPoint at;
    for (int attempt = 0; attempt < 6; ++attempt) {
      const QPoint local(Draw(std::max(1, w->width())), Draw(std::max(1, w->height())));
      at = w->mapTo(top, local);
      QWidget* hit = top->childAt(at);
      if (hit == w || (hit && w->isAncestorOf(hit))) break;
    }
    return at;
  }

  template <class Input>
  void Deliver(Input input) {
    const QPointer<QWidget> outer = modalWhileDelivering;
    modalWhileDelivering = QApplication::activeModalWidget();
    ++delivering;
    input();
    --delivering;
    modalWhileDelivering = outer;
  }

  void Click(QWidget* top, const QPoint& at, bool twice, const std::string& where = {}) {
    Announce(std::string(twice ? "double-click on " : "click on ") + Describe(top->childAt(at)) + where);
    QWindow* window = top->windowHandle();
    Deliver([&] {
      if (twice) QTest::mouseDClick(window, Qt::LeftButton, {}, at);
      else QTest::mouseClick(window, Qt::LeftButton, {}, at);
    });
  }

  void PressKey(QWidget* top, int key, const std::string& where = {}) {
    Announce("key " + QKeySequence(key).toString().toStdString() + where);
    QWindow* window = top->windowHandle();
    Deliver([&] { QTest::keyClick(window, static_cast<Qt::Key>(key)); });
  }

  void Close(QWidget* modal, const std::string& what) {
    Announce(what);
    if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    else modal->close();
  }

  // A card, face up more often than not: a click (now and then a double
  // click) or a drag onto the table (or where the table would be).
  bool ClickCard(QWidget& w) {
    std::vector<TCard*> faceUp, faceDown;
    for (TCard* c : w.findChildren<TCard*>())
      if (c->isVisible()) (c->ShowBack() ? faceDown : faceUp).push_back(c);
    const std::vector<TCard*>& cards = faceDown.empty() || (!faceUp.empty() && Chance(85)) ? faceUp : faceDown;
    if (cards.empty()) return false;
    const QPoint at = PointIn(Pick(cards));
    if (Chance(85)) {
      Click(&w, at, Chance(10));
      return true;
    }
    auto* table = w.findChild<QWidget*>("Table");
    const QPoint to = table && table->isVisible() ? table->mapTo(&w, table->rect().center()) : w.rect().center();
    Announce("drag " + Describe(w.childAt(at)) + " to the table");
    QWindow* handle = w.windowHandle();
    Deliver([&] {
      QTest::mousePress(handle, Qt::LeftButton, {}, at);
      QTest::mouseMove(handle, to);
      QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    });
    return true;
  }

  // A button of a panel: the panel first (the bidding box and each panel of
  // play buttons alike), then a kind of button (buttons of one size look
  // alike: the 35 bids of the box are one kind, its wide buttons another),
  // then one of that kind; a disabled one now and then.
  bool ClickButton(QWidget& w) {
    std::vector<std::pair<QWidget*, std::vector<QWidget*>>> panels;
    const bool disabledToo = Chance(10);
    for (QWidget* b : w.findChildren<QWidget*>()) {
      if (!ButtonLike(b) || !b->isVisible() || !(disabledToo || b->isEnabled())) continue;
      auto panel = std::find_if(panels.begin(), panels.end(), [b](const auto& p) { return p.first == b->parentWidget(); });
      if (panel == panels.end()) panel = panels.insert(panels.end(), {b->parentWidget(), {}});
      panel->second.push_back(b);
    }
    if (panels.empty()) return false;
    const std::vector<QWidget*>& buttons = panels[static_cast<size_t>(Draw(static_cast<int>(panels.size())))].second;
    std::vector<QSize> kinds;
    for (QWidget* b : buttons)
      if (std::find(kinds.begin(), kinds.end(), b->size()) == kinds.end()) kinds.push_back(b->size());
    const QSize kind = Pick(kinds);
    std::vector<QWidget*> alike;
    for (QWidget* b : buttons)
      if (b->size() == kind) alike.push_back(b);
    Click(&w, PointIn(Pick(alike)), false);
    return true;
  }

  // A menu of the menu bar opened (its items are brought up to date as it
  // opens), a submenu opened where one is chosen, then an item chosen.
  bool ChooseMenuItem(QWidget& w) {
    auto* bar = w.findChild<QMenuBar*>();
    if (!bar || !bar->isEnabled()) return false;
    std::vector<QMenu*> menus;
    for (QAction* a : bar->actions())
      if (a->menu() && a->isVisible() && a->isEnabled()) menus.push_back(a->menu());
    if (menus.empty()) return false;
    QMenu* menu = Pick(menus);
    std::vector<QMenu*> open{menu};
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    std::string path = Name(menu);
    QAction* item = nullptr;
    while (!item) {
      std::vector<QAction*> items;
      for (QAction* a : open.back()->actions())
        if (!a->isSeparator() && a->isVisible() && a->isEnabled() && (a->menu() || !LeftOut(a))) items.push_back(a);
      if (items.empty()) break;
      QAction* chosen = Pick(items);
      path += " > " + Name(chosen);
      if (!chosen->menu()) {
        item = chosen;
        break;
      }
      chosen->menu()->popup(open.back()->mapToGlobal(open.back()->actionGeometry(chosen).topRight()));
      open.push_back(chosen->menu());
    }
    // The menus close before the item acts, as they do for a click.
    for (auto m = open.rbegin(); m != open.rend(); ++m) (*m)->hide();
    Announce("menu " + path);
    if (item) Deliver([item] { item->trigger(); });
    return true;
  }

  void PressAnyKey(QWidget& w) {
    std::vector<int> keys(std::begin(kKeys), std::end(kKeys));
    for (QAction* a : MenuItems(w))
      if (!a->shortcut().isEmpty()) keys.push_back(a->shortcut()[0].toCombined());
    PressKey(&w, Pick(keys));
  }

  // A click anywhere below the menu bar: the felt, a label, a tab, a grid.
  void ClickAnywhere(QWidget& w) {
    auto* bar = w.findChild<QMenuBar*>();
    const int top = bar && bar->isVisible() ? bar->geometry().bottom() + 1 : 0;
    Click(&w, QPoint(Draw(w.width()), top + Draw(std::max(1, w.height() - top))), false);
  }

  // One action on the table window: cards 30%, buttons 35%, menu items 8%,
  // keys 15%, anywhere 12% (and anywhere when there is nothing of the kind).
  void ActOnWindow() {
    QWidget& w = *window;
    const int kind = Draw(100);
    if (kind < 30 && ClickCard(w)) return;
    if (kind >= 30 && kind < 65 && ClickButton(w)) return;
    if (kind >= 65 && kind < 73 && ChooseMenuItem(w)) return;
    if (kind >= 73 && kind < 88) return PressAnyKey(w);
    ClickAnywhere(w);
  }

  // One answer to the modal dialog on top.
  void ActOnDialog(QWidget* modal) {
    if (modal != dialog) {
      dialog = modal;
      dialogActions = 0;
      ++dialogsAnswered;
    }
    const std::string name = Name(modal);
    if (StandardDialog(modal)) {
      ++dialogsCancelled;
      --dialogsAnswered;
      return Close(modal, "cancel " + name);
    }
    ++dialogActions;
    if (dialogActions > kDialogLimit)
      return Close(modal, "close " + name + " after " + std::to_string(kDialogLimit) + " actions");
    if (dialogActions > kDialogPatience || Chance(8)) return PressKey(modal, Qt::Key_Escape, " in " + name);
    if (Chance(4)) return PressKey(modal, Qt::Key_Return, " in " + name);
    std::vector<QWidget*> buttons;
    for (QWidget* b : modal->findChildren<QWidget*>())
      if (ButtonLike(b) && b->isVisible() && b->isEnabled()) buttons.push_back(b);
    if (buttons.empty() || Chance(8))
      return Click(modal, QPoint(Draw(modal->width()), Draw(modal->height())), false, " in " + name);
    Click(modal, PointIn(Pick(buttons)), false, " in " + name);
  }

  // The player's lines and plays on disk, checked again whenever either file
  // changed: a wrong line is named with the action that filed it.
  void CheckFilesIfChanged() {
    const FileStamp options = StampOf(ResolveInProgramFolder(kOptionsFileName));
    const FileStamp plays = StampOf(ResolveInProgramFolder(kKeptPlayFileName));
    if (options == optionsStamp && plays == playsStamp) return;
    optionsStamp = options;
    playsStamp = plays;
    std::vector<std::string> faults;
    CheckFiles(faults, &filings);
    if (!faults.empty()) Fail(faults.front());
  }

  // Checks the files as they are on disk; the number of lines checked.
  int CheckFiles(std::vector<std::string>& faults, int* newFilings) {
    const TMyINI options(kOptionsFileName);
    const TMyINI plays(kKeptPlayFileName);
    TBridgeINI boards(ResolveShippedFile(kBoardFileName));
    const TBridgeINI results(ResolveShippedFile(kResultsFileName));
    std::set<std::string> filedInRun;
    for (const auto& [key, line] : FiledLines(options, player)) {
      const auto old = before.find(key);
      if (old == before.end() || old->second != line) filedInRun.insert(key);
      if (newFilings && lastLines[key] != line) {
        lastLines[key] = line;
        ++*newFilings;
      }
    }
    const FiledCheck check = CheckFiledBoards({options, boards, results, &plays}, player, filedInRun);
    for (const FiledFault& f : check.faults) faults.push_back(f.boardKey + ": " + f.text);
    return check.lines;
  }

  void Tick() {
    if (!window) return;
    // A dialog opened meanwhile is answered, and a popup (a menu, a list)
    // closed; a dialog closed meanwhile first ends its loop.
    QWidget* opened = QApplication::activeModalWidget();
    if (delivering > 0 && !QApplication::activePopupWidget() && (!opened || opened == modalWhileDelivering)) {
      step.start();
      return;
    }
    if (finishing || done >= total || !fault.empty()) {
      if (!finishing) guard->ActionsOver();
      finishing = true;
      // Dialogs still open are closed one at a time, each from inside its
      // own loop; then the run's loop ends.
      if (QWidget* modal = QApplication::activeModalWidget()) {
        step.start();
        Close(modal, "close " + Name(modal) + " at the end of the run");
        return;
      }
      QCoreApplication::exit(fault.empty() ? 0 : 1);
      return;
    }
    // The next step is due before this action runs: an action that opens a
    // modal dialog returns only when the dialog closes, and the steps that
    // answer it come from inside the dialog's own loop.
    step.start();
    ++done;
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* popup = QApplication::activePopupWidget();
    if (popup) PressKey(popup, Qt::Key_Escape, " in " + Name(popup));
    else if (modal && modal != window) ActOnDialog(modal);
    else ActOnWindow();
    if (!window || !window->isVisible()) Fail("the table window closed");
    if (guard->Criticals() > 0) Fail("Qt: " + guard->FirstCritical());
    CheckFilesIfChanged();
  }

};

Monkey::Monkey(int actions, unsigned seed, const TBigIniFile& options, std::string player)
    : state_(std::make_unique<State>()) {
  state_->total = actions;
  state_->seed = seed;
  state_->player = std::move(player);
  state_->random.seed(seed);
  for (auto& [key, line] : FiledLines(options, state_->player)) state_->before[key] = line;
  state_->lastLines = state_->before;
}

Monkey::~Monkey() = default;

int Monkey::Run(QWidget& window) {
  State& s = *state_;
  s.window = &window;
  window.resize(window.sizeHint());
  window.show();
  window.activateWindow();
  QCoreApplication::processEvents();
  s.guard = std::make_unique<MonkeyGuard>();
  SetMessageSink([&s](const std::string& text) {
    ++s.messages[text];
    // The table's own check of the play.
    if (text.rfind("Logic Error", 0) == 0) s.Fail("internal check failed: " + text);
  });
  SetSoundSink([&s](Sound) { ++s.sounds; });
  s.optionsStamp = StampOf(ResolveInProgramFolder(kOptionsFileName));
  s.playsStamp = StampOf(ResolveInProgramFolder(kKeptPlayFileName));
  s.step.setSingleShot(true);
  s.step.setInterval(0);
  QObject::connect(&s.step, &QTimer::timeout, [&s] { s.Tick(); });
  QElapsedTimer clock;
  clock.start();
  s.step.start();
  const int code = QApplication::exec();
  const double seconds = clock.elapsed() / 1000.0;
  s.step.stop();
  SetMessageSink({});
  SetSoundSink({});
  if (code != 0 && code != 1) s.Fail("the program stopped its event loop with code " + std::to_string(code));
  if (s.fault.empty() && (!s.window || !s.window->isVisible())) s.Fail("the table window closed");

  std::cerr << "Monkey: seed " << s.seed << ", " << s.done << " actions in " << seconds << " s ("
            << static_cast<int>(s.done / std::max(seconds, 0.001)) << " per second), " << s.filings
            << " results filed, " << s.dialogsAnswered << " dialogs answered, " << s.dialogsCancelled
            << " file or print dialogs cancelled, " << s.sounds << " refusals, " << s.guard->Warnings()
            << " Qt warnings; signature " << std::hex << s.signature << std::dec << '\n';
  int shown = 0;
  for (const auto& [text, count] : s.messages)
    if (shown++ < 12) std::cerr << "Monkey: message shown " << count << " times: " << text << '\n';
  s.guard.reset();
  if (s.fault.empty()) return 0;
  std::cerr << "Monkey: failed at " << s.fault << "\nMonkey: the last actions before it:\n";
  for (const auto& [number, what] : s.recent) std::cerr << "  " << number << ": " << what << '\n';
  return 1;
}

int Monkey::CheckSavedFiles() const {
  std::vector<std::string> faults;
  const int lines = state_->CheckFiles(faults, nullptr);
  for (const std::string& f : faults) std::cerr << "Monkey: wrong after the run: " << f << '\n';
  if (faults.empty()) std::cerr << "Monkey: " << lines << " result lines of " << state_->player << " checked: right\n";
  return faults.empty() ? 0 : 1;
}

}  // namespace quorval
