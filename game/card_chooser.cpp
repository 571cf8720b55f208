#include "game/card_chooser.h"

#include "play/library_lead.h"

namespace quorval {

EngineAnswer AnswerNow(const CardQuestion& question) {
  if (!question.libraryLead || !question.random) return ChooseCardAnswer(*question.play, question.options, question.engineTarget);
  EngineAnswer answer;
  answer.target = question.engineTarget;
  answer.card = GetLisk2000Card(*question.play, question.sequenceLine, *question.random, question.options, answer.target);
  return answer;
}

}  // namespace quorval
