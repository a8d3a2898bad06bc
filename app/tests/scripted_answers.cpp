// g++ 12 reports the string alternative of the answer's variant as possibly uninitialised when the
// variant's move is inlined here (a false alarm: only the bool alternative is alive), so the
// warning is off for this one small file.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "app/tests/scripted_answers.h"

namespace orvosal {

void answerYes(ScriptedUi& ui) { ui.answer(true); }

}  // namespace orvosal
