#pragma once
// The thousand-fingered user (--monkey N --seed S): N random user actions on
// the table window, all from the GUI thread and all drawn from one seeded
// generator, so a seed repeats its run action for action. It clicks cards,
// buttons of the bidding box and the play panels and random points of the
// window, chooses menu items (not those that open a file or print dialog,
// make new events or quit), presses bidding and play keys and the menus'
// F-keys, and answers every modal dialog by a random button (a file, print
// or colour dialog is cancelled at once). It knows the window only as a user
// does, through its widget tree, so it drives any table window.
//
// The run fails at the first action after which an internal check failed:
// the program's own "Logic Error", its event loop stopped, a Qt critical
// message, the window gone, or a filed result or kept play on disk that is
// not right (checked each time the files change, and once more after the
// run from what was finally saved). A crash names its action on standard
// error before the process dies, and a watchdog thread ends a run whose
// event loop stood still for 60 seconds, naming the action.

#include <memory>
#include <string>

class QWidget;

namespace quorval {

class TBigIniFile;

class Monkey {
 public:
  // Remembers the player's result lines as they are before the run (in
  // `options`, the program's store), so that the boards the run files are
  // known afterwards: they must keep their play.
  Monkey(int actions, unsigned seed, const TBigIniFile& options, std::string player);
  ~Monkey();

  // Runs the actions on the shown `window` inside the application's event
  // loop. 0 when nothing failed; 1 with the failing action named on standard
  // error. Prints the run's figures either way.
  int Run(QWidget& window);

  // After the program has saved: reads the options file and the kept plays
  // again from the working folder and checks every line and play of the
  // player. 0 when all is right; 1 with one line per fault.
  int CheckSavedFiles() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quorval
