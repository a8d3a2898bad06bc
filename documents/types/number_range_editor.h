#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/number_range.h"
#include "core/session.h"

namespace orvosal {

// The rules of the number-range editor. Saving and deleting need the signed-in user's right
// "System"; questions and messages go through the session's Ui.

enum class BrowseStep { First, Previous, Next, Last };

// The range one step from the range `currentId` in `ID` order (First and Last ignore it); empty
// when there is none in that direction.
std::optional<NumberRange> BrowseNumberRange(Session& session, BrowseStep step, int64_t currentId);

// Every range in `ID` order.
std::vector<NumberRange> ListNumberRanges(Session& session);

// A range as the editor holds it: the next number as typed.
struct NumberRangeDraft {
  int64_t id = 0;  // 0 for a range not yet stored
  std::string vortext;
  std::string nummer;
  std::string nachtext;
  int stellen = 0;

  bool operator==(const NumberRangeDraft&) const = default;
};

NumberRangeDraft DraftOf(const NumberRange& range);

// Adds the range (`id` 0; the new key is written back) or changes the stored one. Refused with
// "Daten unvollständig!": a next number that is no whole number of the column's range, or a width
// outside 0 to 10. True when written.
bool SaveNumberRange(Session& session, NumberRangeDraft& draft);

// Deletes the range after asking; refused, naming them, while document types draw from it. True
// when deleted.
bool DeleteNumberRange(Session& session, int64_t id);

// Before the editor shows another range or closes: when `entered` differs from what was `shown`,
// asks whether to save it first. True when the editor may go on (nothing changed, the user declined,
// or the range was saved; `entered` then holds the range as stored).
bool LeaveNumberRange(Session& session, const NumberRangeDraft& shown, NumberRangeDraft& entered);

}  // namespace orvosal
