#include "documents/editing/open_document.h"

#include <algorithm>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/rules/legacy_counters.h"
#include "core/rules/process_number.h"
#include "core/text.h"
#include "core/users/current_user.h"
#include "core/users/password_check.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"
#include "documents/editing/document_rows.h"
#include "documents/editing/position_numbers.h"
#include "documents/pricing/general_scale.h"
#include "documents/types/belegart_index.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

// Documents of the lists and windows carry a `Belegart` below this; inactive types lie above.
constexpr int kBelegartLimit = 10000;

bool allTextsEmpty(const DocumentPosition& p) {
  for (const std::string* text :
       {&p.artikelnummer, &p.bezeichnung1, &p.bezeichnung2, &p.bezeichnung3, &p.bezeichnung4, &p.bezeichnung5,
        &p.bezeichnung6, &p.bezeichnung7, &p.bezeichnung8, &p.bezeichnung9, &p.langtext}) {
    if (!trim(*text).empty()) return false;
  }
  return true;
}

void copyTotalsInto(DocumentHeader& header, const DocumentTotals& totals) {
  header.nettoPreis = totals.netto;
  header.nettoPreisRabatt = totals.nettoRabatt;
  header.mwst7 = totals.mwst7;
  header.mwst16 = totals.mwst16;
  header.gesamtPreis = totals.gesamt;
  header.reingewinn = totals.reingewinn;
  header.arbeitszeit = totals.arbeitszeit;
  header.gewicht = totals.gewicht;
  header.ohneMwst = totals.ohneMwSt ? 1 : 0;
}

}  // namespace

OpenDocument::OpenDocument(Session& session, DocumentHeader header)
    : session_(&session), header_(std::move(header)) {}

OpenDocument::OpenDocument(Session& session, bool salesArea, int64_t belegartenId) : session_(&session) {
  header_.kunde = salesArea;
  header_.belegartenId = static_cast<int>(belegartenId);
  header_.belegdatum = session.clock().today();
  header_.erstellzeit = session.clock().now();
  header_.sachbearbeiter = signedInUserName(session);
  header_.euroFaktor = Currency::fromInteger(1);
  runOperation(session, documentOperation("Form_Load"), 0, [&] {
    const VatRegimes all = loadVatRates(session);
    const VatTable& rates = all.inForce(session.clock().today());
    header_.mwstGr = rates.standard();
    header_.mwstKl = rates.reduced();
    const std::optional<DocumentType> type = ReadDocumentType(session, belegartenId);
    if (!type) return 0;
    for (const BelegartIndex& index : BelegartIndexes(ListDocumentTypes(session, salesArea))) {
      if (index.typeId == belegartenId) header_.belegart = static_cast<int>(index.belegart);
    }
    header_.inOffenePosten = type->inOffenePosten;
    header_.lagerverwaltung = type->lagerbuchen ? 1 : 0;
    header_.zahlZiel = type->zahlungsZielText;
    header_.schlußtext = type->schlusstext;
    return 0;
  });
}

bool OpenDocument::mayOpen(Session& session, bool salesArea) {
  return RequireRight(session, salesArea ? "Rechnungen" : "Bestellungen");
}

std::optional<OpenDocument> OpenDocument::load(Session& session, bool salesArea, int64_t belegId) {
  if (!mayOpen(session, salesArea)) return std::nullopt;
  std::optional<OpenDocument> loaded =
      runOperation(session, documentOperation("Load_Beleg"), std::optional<OpenDocument>(),
                   [&]() -> std::optional<OpenDocument> {
                     OpenDocument document(session, DocumentHeader{});
                     document.header_.belegId = belegId;
                     if (!document.reload() || document.header_.kunde != salesArea) return std::nullopt;
                     return document;
                   });
  if (loaded) loaded->locked_ = loaded->header_.erledigt == 1;
  return loaded;
}

bool OpenDocument::reload() {
  if (!saved()) return false;
  return runOperation(*session_, documentOperation("Load_Beleg"), false, [&] {
    Connection& connection = GlobalConnection(*session_);
    Recordset rs(connection, "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" +
                                 std::to_string(header_.belegId) + ") AND [BelegArt] >= 0 AND [BelegArt] < " +
                                 std::to_string(kBelegartLimit) + " )");
    if (rs.eof()) return false;
    DocumentHeader header = readRecord(rs, DocumentHeaderFields());
    std::vector<DocumentPosition> positions = readPositions(connection, header.belegId);
    DocumentTotals totals = recomputeDocumentTotals(*session_, header.belegId).value_or(DocumentTotals{});
    copyTotalsInto(header, totals);
    header_ = std::move(header);
    positions_ = std::move(positions);
    totals_ = totals;
    nextLineNumber_ = 1;
    for (const DocumentPosition& position : positions_) {
      nextLineNumber_ = std::max(nextLineNumber_, position.zeilennummer + 1);
    }
    return true;
  });
}

void OpenDocument::setVatRegime(VatRegime regime) {
  if (saved()) return;
  runOperation(*session_, documentOperation("Set_MwSt"), 0, [&] {
    const VatRegimes rates = loadVatRates(*session_);
    const VatTable& table = regime == VatRegime::Special ? rates.special : rates.normal;
    header_.mwstGr = table.standard();
    header_.mwstKl = table.reduced();
    return 0;
  });
}

bool OpenDocument::unlock(std::string_view password) {
  if (!locked_) return true;
  if (!CheckPassword(*session_, password)) return false;
  locked_ = false;
  return true;
}

bool OpenDocument::saveHeader(std::optional<int64_t> processNumber) {
  // A done document is read-only as a whole, its header as well as its positions.
  if (locked_) {
    refuse(*session_, "Beleg ist erledigt und kann nicht mehr gespeichert werden!");
    return false;
  }
  if (!RequireRight(*session_, "Change_Beleg")) return false;
  if (trim(header_.name).empty()) {
    refuse(*session_, "Bitte Namen angeben!");
    return false;
  }
  return runOperation(*session_, documentOperation("Save_Beleg"), false, [&] {
    if (!saved()) return createDocument(processNumber);
    Connection& connection = GlobalConnection(*session_);
    DbTransaction transaction(connection);
    Recordset rs(connection,
                 "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(header_.belegId) + "))");
    if (rs.eof()) return false;
    writeRecord(rs, header_, DocumentHeaderFields());
    rs.update();
    afterWrite();
    transaction.commit();
    return true;
  });
}

bool OpenDocument::createDocument(std::optional<int64_t> processNumber) {
  if (header_.kdNr == 0 && !createPartner()) return false;
  Connection& connection = GlobalConnection(*session_);
  DbTransaction transaction(connection, kCounterLock);
  DocumentHeader row = header_;
  row.vorgangsNummer = static_cast<int>(processNumber ? *processNumber : drawProcessNumber(connection));
  row.sachbearbeiter = signedInUserName(*session_);
  row.bezahltWieviel = Currency();
  row.erledigt = 0;
  if (row.mwstGr == Currency() && row.mwstKl == Currency()) {
    const VatRegimes all = loadVatRates(*session_);
    const VatTable& rates = all.inForce(session_->clock().today());
    row.mwstGr = rates.standard();
    row.mwstKl = rates.reduced();
  }
  Recordset rs(connection, "SELECT Top 1 * FROM Belegkopf");
  rs.addNew();
  writeRecord(rs, row, DocumentHeaderFields());
  rs.update();
  row.belegId = rs["BelegID"].toInt();
  header_ = row;
  try {
    writeActivity(connection);
    afterWrite();
    transaction.commit();
  } catch (...) {
    header_.belegId = 0;
    throw;
  }
  return true;
}

void OpenDocument::writeActivity(Connection& connection) {
  const std::optional<DocumentType> type = ReadDocumentType(*session_, header_.belegartenId);
  if (!type || !type->aktivität) return;
  const DateTime now = session_->clock().now();
  Recordset rs(connection, "SELECT Top 1 * FROM Aktivitäten");
  rs.addNew();
  rs.set("Datum", Value(now.date()));
  rs.set("ZeitBeginn", Value(now));
  rs.set("Infotext", Value(firstCharacters(type->belegtitel + " " + header_.belegnummer + " - " + "erstellt.",
                                           rs.definedSize("Infotext"))));
  rs.set("Art", Value(firstCharacters(type->belegtitel, rs.definedSize("Art"))));
  rs.set("KundenID", Value(header_.kdNr));
  rs.set("Zuständig", Value(session_->area<CurrentUser>().id));
  rs.set("BelegID", Value(header_.belegId));
  rs.update();
  Recordset stamp(connection,
                  "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(header_.belegId) + "))");
  stamp.set("Activität_Erstellt", Value(now));
  stamp.update();
  header_.activitätErstellt = now;
}

bool OpenDocument::mayWritePositions() {
  if (locked_) {
    refuse(*session_, "Position kann nicht mehr gespeichert werden!");
    return false;
  }
  if (!RequireRight(*session_, "Change_Items")) return false;
  if (!saved() && !RequireRight(*session_, "Change_Beleg")) return false;
  if (trim(header_.name).empty()) {
    refuse(*session_, "Bitte Namen angeben!");
    return false;
  }
  return true;
}

std::optional<int64_t> OpenDocument::appendRows(std::vector<DocumentPosition> rows) {
  const bool wasSaved = saved();
  // The partner is created before any transaction opens: its save may ask the user.
  if (!wasSaved && header_.kdNr == 0 && !createPartner()) return std::nullopt;
  Connection& connection = GlobalConnection(*session_);
  // A new document draws its process number: the whole write then holds the counter lock.
  std::optional<DbTransaction> transaction;
  if (wasSaved) {
    transaction.emplace(connection);
  } else {
    transaction.emplace(connection, kCounterLock);
  }
  try {
    if (!wasSaved) createDocument(std::nullopt);
    const DateTime now = session_->clock().now();
    int line = nextLineNumber_;
    for (DocumentPosition& row : rows) {
      row.belegId = header_.belegId;
      row.zeilennummer = line++;
      row.erfasst = now;
      row.geändert = now;
    }
    int64_t lastId = 0;
    if (rows.size() == 1) {
      lastId = insertPosition(connection, rows.front());
    } else {
      insertPositions(connection, rows);
    }
    afterWrite();
    transaction->commit();
    nextLineNumber_ = std::max(nextLineNumber_, line);
    if (lastId == 0 && !positions_.empty()) {
      lastId = std::max_element(positions_.begin(), positions_.end(), [](const auto& a, const auto& b) {
                 return a.id < b.id;
               })->id;
    }
    return lastId;
  } catch (...) {
    // The document's row went with the rolled-back transaction.
    if (!wasSaved) header_.belegId = 0;
    throw;
  }
}

void OpenDocument::afterWrite() {
  Connection& connection = GlobalConnection(*session_);
  if (const std::optional<DocumentTotals> totals = recomputeDocumentTotals(*session_, header_.belegId)) {
    totals_ = *totals;
    copyTotalsInto(header_, totals_);
  }
  positions_ = readPositions(connection, header_.belegId);
  for (const DocumentPosition& position : positions_) {
    nextLineNumber_ = std::max(nextLineNumber_, position.zeilennummer + 1);
  }
}

void OpenDocument::applyGeneralScale() {
  if (!saved() || trim(header_.allgemeineStaffel).empty() || header_.allgemeineStaffel == kNoGeneralScale)
    return;
  if (!Staffel_Rabatt_Ermitteln(*session_, header_.belegId, header_.allgemeineStaffel)) return;
  runOperation(*session_, documentOperation("Save_Item"), 0, [&] {
    afterWrite();
    return 0;
  });
}

std::optional<int64_t> OpenDocument::addPosition(DocumentPosition position) {
  if (!mayWritePositions()) return std::nullopt;
  if (allTextsEmpty(position) &&
      (!saved() || !session_->ui().askYesNo("Leerzeile speichern?", kProductName))) {
    return std::nullopt;
  }
  if (!creditLimitAccepted(grossOf(position))) return std::nullopt;
  if (position.posnummer.empty()) position.posnummer = nextPositionNumber(positions_);
  position.istMenge = 0;
  position.istDatum.reset();
  const std::optional<int64_t> id =
      runOperation(*session_, documentOperation("Save_Item"), std::optional<int64_t>(),
                   [&]() -> std::optional<int64_t> { return appendRows({position}); });
  if (!id) return std::nullopt;
  WriteUserHistory(*session_, "1 Artikel gespeichert", kDocumentWindow, header_.belegId);
  applyGeneralScale();
  return id;
}

std::optional<int> OpenDocument::addPositions(std::vector<DocumentPosition> positions) {
  if (positions.empty() || !mayWritePositions()) return std::nullopt;
  Currency gross;
  std::string posnummer = nextPositionNumber(positions_);
  for (DocumentPosition& position : positions) {
    gross += grossOf(position);
    if (position.posnummer.empty()) {
      position.posnummer = posnummer;
      posnummer = Nummer_Erhöhen(posnummer);
    } else {
      posnummer = Nummer_Erhöhen(position.posnummer);
    }
    position.istMenge = 0;
    position.istDatum.reset();
  }
  if (!creditLimitAccepted(gross)) return std::nullopt;
  const int count = static_cast<int>(positions.size());
  const bool added = runOperation(*session_, documentOperation("Save_Item"), false,
                                  [&] { return appendRows(std::move(positions)).has_value(); });
  if (!added) return std::nullopt;
  WriteUserHistory(*session_, std::to_string(count) + " Artikel gespeichert", kDocumentWindow,
                   header_.belegId);
  applyGeneralScale();
  return count;
}

bool OpenDocument::updatePosition(const DocumentPosition& position) {
  if (!mayWritePositions()) return false;
  const bool written = runOperation(*session_, documentOperation("Save_Item"), false, [&] {
    Connection& connection = GlobalConnection(*session_);
    DbTransaction transaction(connection);
    Recordset rs(connection, "SELECT * FROM Belegpositionen WHERE ([ID] IN (" + std::to_string(position.id) +
                                 ") AND [BelegID] IN (" + std::to_string(header_.belegId) + "))");
    if (rs.eof()) return false;
    DocumentPosition row = position;
    row.belegId = header_.belegId;
    row.geändert = session_->clock().now();
    writePosition(rs, row);
    rs.update();
    afterWrite();
    transaction.commit();
    return true;
  });
  if (!written) return false;
  WriteUserHistory(*session_, "1 Artikel gespeichert", kDocumentWindow, header_.belegId);
  applyGeneralScale();
  return true;
}

}  // namespace orvosal
