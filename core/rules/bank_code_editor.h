#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/session.h"

namespace orvosal {

// The rules of the bank-code window (`frmBankleitzahlen`), which maintains the table sBank.
// Saving, deleting and reading the bank directory need the signed-in user's right "System";
// questions and messages go through the session's Ui.

enum class BankStep { First, Previous, Next, Last };

struct BankCode {
  int64_t id = 0;  // 0 for a bank not yet stored
  std::string bankname;
  std::string bankleitzahl;
  std::string bic;
  std::string plz;
  std::string ort;

  bool operator==(const BankCode&) const = default;
};

// The bank one step from the bank `currentId` in `ID` order (First and Last ignore it); empty when
// there is none in that direction.
std::optional<BankCode> BrowseBankCode(Session& session, BankStep step, int64_t currentId);

// Adds the bank (`id` 0; the new key is written back) or changes the stored one, with a history
// entry. Refused with a message naming the field: a bank code that is not eight digits, a BIC
// that is no BIC, a text longer than its column. True when written.
bool SaveBankCode(Session& session, BankCode& bank);

// Before the window shows another bank or closes: when `entered` differs from what was `shown`,
// asks whether to save it first. True when the window may go on (nothing changed, the user
// declined, or the bank was saved; `entered` then holds the bank as stored).
bool LeaveBankCode(Session& session, const BankCode& shown, BankCode& entered);

// Deletes the bank after asking. True when deleted.
bool DeleteBankCode(Session& session, int64_t id);

// Replaces sBank with the German bank directory at `path` after asking, and tells how many banks
// were read or why none were. True when sBank was replaced.
bool ReadBankDirectory(Session& session, const std::string& path);

}  // namespace orvosal
