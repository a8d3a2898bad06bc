#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/session.h"
#include "documents/records/document_header.h"
#include "documents/records/document_position.h"
#include "documents/totals/document_totals.h"

namespace orvosal {

// The window's name: history entries and operation names.
inline constexpr const char* kDocumentWindow = "frmRechnung";

// The VAT regime a new document is made under: the normal or the special table.
enum class VatRegime { Standard, Special };

// One document as the document window (and the command line) edits it: the header, the positions
// in line order, the totals, and the window's own state (the lock and its unlock, the next line
// number). Every operation follows the rules of the document window: it asks and reports through
// the session's Ui, refuses with the exact messages, writes nothing when it refuses or the user
// declines, catches database errors at its boundary (common form) and then keeps the last good
// state. After every write the totals are recomputed and stored.
class OpenDocument {
 public:
  // A new, unsaved document of the area (sales when `salesArea`), of the type `belegartenId`:
  // type fields, texts and terms from the type, the date today, the rates of the table in force.
  OpenDocument(Session& session, bool salesArea, int64_t belegartenId);

  // Loads a stored document of the area; nothing when it does not exist there. It is locked when
  // `Erledigt` is 1.
  static std::optional<OpenDocument> load(Session& session, bool salesArea, int64_t belegId);

  // The right to open the window of the area: "Rechnungen" for sales, "Bestellungen" for
  // purchase; refused with "Keine Berechtigung für diesen Programmteil".
  static bool mayOpen(Session& session, bool salesArea);

  DocumentHeader& header() { return header_; }
  const DocumentHeader& header() const { return header_; }
  const std::vector<DocumentPosition>& positions() const { return positions_; }
  const DocumentTotals& totals() const { return totals_; }
  int64_t id() const { return header_.belegId; }
  bool saved() const { return header_.belegId != 0; }

  // The partner snapshot: copies name block, contact, bank, terms (`Zahlungsziel`, `Skonto`,
  // `Rabatt`, `Preisstaffel`, `Bestelllimit`, the payment condition), delivery block and VAT flag
  // of the address into the header. False when the address does not exist.
  bool choosePartner(int64_t adressenId);

  // The VAT regime of an unsaved document (sets `MwstGr`/`MwstKl`); saved documents keep theirs.
  void setVatRegime(VatRegime regime);

  // Locked: `Erledigt` was 1 when loaded. The master password (CheckPassword) unlocks this
  // document until it is closed; true when unlocked.
  bool locked() const { return locked_; }
  bool unlock(std::string_view password);

  // Writes the header (creating the document on first save, with a fresh process number drawn
  // in the same transaction, or `processNumber` when given). Creates the partner from the typed
  // fields first when `KDNr` is 0 and a name is typed. Refuses a locked document ("Beleg ist
  // erledigt und kann nicht mehr gespeichert werden!") and one without a name ("Bitte Namen angeben!").
  bool saveHeader(std::optional<int64_t> processNumber = std::nullopt);

  // Adds an ordinary (or "SL") position at the end: the lock, the name, the empty-line question,
  // the credit-limit question, the first save, then the row with the next line number, the
  // position number (`Nummer_Erhöhen` of the last one when `posnummer` is empty) and time stamps.
  // Answers the new position's ID.
  std::optional<int64_t> addPosition(DocumentPosition position);

  // Adds many positions at the end in one bulk write (an import, the command line): the same
  // checks as addPosition, the credit-limit question once for all of them. Answers the number
  // added.
  std::optional<int> addPositions(std::vector<DocumentPosition> positions);

  // Writes a changed position (matched by `id`); the lock applies.
  bool updatePosition(const DocumentPosition& position);

  // The special positions; `marked` are position IDs, `vatGroup` the window's VAT selector.
  // Subtotal: asks "Text für Zwischensumme angeben" with the default "Zwischensumme für " + sum;
  // `text` given skips the question.
  std::optional<int64_t> insertSubtotal(std::span<const int64_t> marked, int vatGroup,
                                        std::optional<std::string> text = std::nullopt);
  std::optional<int64_t> insertPageBreak();
  // Copies a row of `Versandkosten` (by its ID).
  std::optional<int64_t> insertShipping(int64_t versandkostenId);
  // Deduction ("AG", `surcharge` false) or surcharge ("AF") of `percent` on the marked positions;
  // `text` empty takes the setting "Abtext" or "Auftext". "Fehler, es sind keine Positionen
  // markiert" without marks.
  std::optional<int64_t> insertDeductionOrSurcharge(std::span<const int64_t> marked, bool surcharge,
                                                    Currency percent, std::string text, int vatGroup);
  // A partial payment ("TZ") of `amount` with its text.
  std::optional<int64_t> insertPartPayment(Currency amount, std::string text);

  // Deletes the marked positions after "Sollen markierte Positionen gelöscht werden?"
  // ("Keine Position markiert!", " Position kann nicht gelöscht werden!").
  bool deletePositions(std::span<const int64_t> marked);

  // Moves a position one line up (`up`) or down by swapping line numbers with its neighbour.
  bool movePosition(int64_t positionId, bool up);

  // Change_PosNumber on this document, then reloads the positions.
  bool renumberPositions();

  // Reloads header and positions from the database and recomputes the totals.
  bool reload();

 private:
  OpenDocument(Session& session, DocumentHeader header);

  // The first save: the partner from the typed fields, then header, process number and activity
  // in one transaction.
  bool createDocument(std::optional<int64_t> processNumber);
  bool createPartner();
  void writeActivity(Connection& connection);
  // The lock and the right to change positions, each refused with its message.
  bool mayWritePositions();
  // The partner's open amount, this document's total and `additionalGross` against the credit
  // limit; true when within it or the user goes on.
  bool creditLimitAccepted(Currency additionalGross);
  Currency grossOf(const DocumentPosition& position) const;
  // Creates the document when it is new, then adds the rows at the end with line numbers and
  // time stamps, recomputes the totals and re-reads the positions. Answers the ID of the last row;
  // nothing when the partner could not be created. Throws DbError.
  std::optional<int64_t> appendRows(std::vector<DocumentPosition> rows);
  // Recomputes and stores the totals, copies them into the header and re-reads the positions.
  void afterWrite();
  // After a position was saved: re-prices the document by its general price scale, if it has one.
  void applyGeneralScale();

  Session* session_;
  DocumentHeader header_;
  std::vector<DocumentPosition> positions_;
  DocumentTotals totals_;
  bool locked_ = false;
  int nextLineNumber_ = 1;
};

}  // namespace orvosal
