#pragma once
// How File > New Events... makes a set: the event generator with its library
// stage, run on the window's thread of its own.

#include "ui/new_events.h"

namespace quorval {

// Fresh deals for the events asked for, or the boards of a hand-record file;
// progress by stage and board; stops with nothing written when cancelled.
NewEventsOutcome MakeNewEvents(const NewEventsRequest& request, const std::function<void(const NewEventsStep&)>& step,
                               const std::atomic<bool>& cancel);

}  // namespace quorval
