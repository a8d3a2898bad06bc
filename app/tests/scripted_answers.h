#pragma once

#include "core/scripted_ui.h"

namespace orvosal {

// Queues a yes for the next question. Out of line, because g++ 12 gives a false warning when the
// answer's variant is moved inline in some test bodies (see the source file).
void answerYes(ScriptedUi& ui);

}  // namespace orvosal
