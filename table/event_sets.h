#pragma once
// Boards in and out of the table: File > Export Boards (PBN) writes the
// player's filed boards as a PBN file; New Events... makes a new event set
// from fresh deals or a hand record; Open Event Set... plays another set.
// The program plays another set by starting again in its folder, with the
// player's own settings there.

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/new_events.h"

namespace quorval {

class TDeskTop;

class TEventSets {
 public:
  explicit TEventSets(TDeskTop& desk) : desk_(desk) {}

  void ExportBoards();
  void NewEvents();
  void OpenEventSet();
  // Starts the program again in `folder` when it holds an event set; false
  // when it holds none or could not be started.
  bool PlayEventSet(const QString& folder);

  // How a new set is made (the event generator; replaced in tests) and how
  // the program starts again (replaced in tests): false when it could not.
  void SetEventsRunner(NewEventsRunner runner) { eventsRunner_ = std::move(runner); }
  using Restarter = std::function<bool(const QStringList& arguments)>;
  void SetRestarter(Restarter restart) { restarter_ = std::move(restart); }

 private:
  TDeskTop& desk_;
  NewEventsRunner eventsRunner_;
  Restarter restarter_;
};

}  // namespace quorval
