#pragma once
// --show WINDOW --screenshot FILE: the program starts as usual, brings the
// named window up the way a user would, saves a picture of it and stops.
// The README's pictures are made this way (tools/screenshots.sh).
//
// How a window joins: one row in kShowWindows (show_window.cpp),
//   {"name", "what the picture shows", [](TDeskTop& desk) { steps }},
// where the steps are what a user does at the table to get there: deal a
// board, bid, click a panel button, trigger a menu item (desk.Action(...)).
// The picture is of the window those steps open (a dialog run with exec()
// included; it is closed again at once), or of the table when none opens;
// a row marked `opensWindow` whose window does not open fails the run.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace quorval {

class TDeskTop;

struct ShowWindow {
  const char* name;
  const char* what;
  std::function<void(TDeskTop&)> steps;
  // The steps open a window of their own (the picture is never the table).
  bool opensWindow = false;
  // The picture is of this panel of the table alone (the user guide shows
  // the bidding box and the board's panel by themselves).
  const char* panel = nullptr;
};

const std::vector<ShowWindow>& ShowWindows();
// "table, bidding, play, ..." in registry order, for --help and errors.
QStringList ShowWindowNames();
bool IsShowWindow(const QString& name);

// Takes the steps of `name` on the table and saves the picture to `file`
// (PNG). Returns 0 when saved, 1 when the window did not open or no
// picture could be taken or saved, 2 for a name that is not in the registry.
int ShowAndGrab(TDeskTop& desk, const QString& name, const QString& file);

}  // namespace quorval
