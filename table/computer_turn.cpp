#include "table/computer_turn.h"

#include <QCoreApplication>
#include <chrono>

namespace quorval {

EngineAnswer TComputerTurn::Choose(const CardQuestion& question) {
  if (question.libraryLead || noPauses_) return AnswerNow(question);
  // One engine call at a time, with a copy of the play: the window repaints
  // meanwhile but takes no input.
  auto pending = ChooseCardAsync(*question.play, question.options, question.engineTarget);
  while (pending.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  return pending.get();
}

}  // namespace quorval
