#include "documents/printing/document_report_data.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/text.h"
#include "documents/printing/plain_text.h"
#include "documents/printing/position_records.h"
#include "documents/printing/row_values.h"
#include "documents/printing/tax_note.h"
#include "documents/printing/totals_lines.h"
#include "documents/printing/type_formats.h"
#include "documents/totals/document_totals.h"

namespace orvosal {
namespace {

constexpr int kTaxGroupsPrinted = 3;

DocumentType cashSaleType() {
  DocumentType type;
  type.id = kCashSaleTypeId;
  type.belegtitel = "Barverkauf";
  type.kurztitel = "Barverkauf";
  type.formularname = "Barverkauf";
  return type;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    if (!trim(line).empty()) kept.emplace_back(trim(line));
  }
  return joinStrings(kept, "\n");
}

std::string joinWords(std::initializer_list<std::string_view> words) {
  std::vector<std::string> kept;
  for (const std::string_view word : words) {
    if (!trim(word).empty()) kept.emplace_back(trim(word));
  }
  return joinStrings(kept, " ");
}

std::string countryLine(std::string_view land) {
  return isGermany(land) ? std::string() : toUpperGerman(land);
}

void defineAddresses(ReportValues& values, const DocumentHeader& header) {
  values.define("Anschrift", joinLines({header.anrede, joinWords({header.titel, header.vorname, header.name}),
                                        header.zusatz, header.straße, joinWords({header.plz, header.ort}),
                                        countryLine(header.land)}));
  const bool ownDelivery = !trim(header.liefername).empty();
  values.defineBoolean("Lieferanschrift_Abweichend", ownDelivery);
  values.define("Lieferanschrift", ownDelivery ? joinLines({header.lieferanrede, header.liefername,
                                                            header.lieferzusatz, header.lieferstraße,
                                                            header.lieferort, countryLine(header.lieferland)})
                                               : values.find("Anschrift")->text);
}

void defineCompany(ReportValues& values, Session& session) {
  const Company company = ReadCompany(GlobalConnection(session)).value_or(Company{});
  const std::pair<const char*, const std::string*> texts[] = {
      {"Firma_Name", &company.name},
      {"Firma_Strasse", &company.strasse},
      {"Firma_PLZ", &company.plz},
      {"Firma_Ort", &company.ort},
      {"Firma_Telefon", &company.telefon},
      {"Firma_Fax", &company.fax},
      {"Firma_Email", &company.email},
      {"Firma_Internet", &company.internet},
      {"Firma_Steuernummer", &company.steuernummer},
      {"Firma_UStIdNr", &company.euIdentNr},
      {"Firma_Amtsgericht", &company.amtsgericht},
      {"Firma_Handelsregister", &company.hrgNummer},
      {"Firma_Geschaeftsfuehrer", &company.geschaeftsfuehrer},
      {"Firma_Bank", &company.bank},
      {"Firma_BLZ", &company.blz},
      {"Firma_Kontonummer", &company.kontonummer},
      {"Firma_IBAN", &company.iban},
      {"Firma_BIC", &company.bic},
      {"Firma_Bank2", &company.bank2},
      {"Firma_IBAN2", &company.iban2},
      {"Firma_BIC2", &company.bic2},
  };
  for (const auto& [name, text] : texts) values.define(name, *text);
  const std::filesystem::path logo = session.programFolder() / company.logo;
  std::error_code ignored;
  values.definePicture("Firma_Logo", !company.logo.empty() && std::filesystem::is_regular_file(logo, ignored)
                                         ? logo.string()
                                         : "");
}

void defineTaxGroups(ReportValues& values, const DocumentTotals& totals) {
  std::vector<VatGroupTotal> groups;
  for (const VatGroupTotal& group : totals.groups) {
    if (group.net != Currency()) groups.push_back(group);
  }
  std::stable_sort(groups.begin(), groups.end(),
                   [](const VatGroupTotal& a, const VatGroupTotal& b) { return a.rate < b.rate; });
  Currency vat;
  for (int index = 0; index < kTaxGroupsPrinted; ++index) {
    const std::string prefix = "Steuer" + std::to_string(index + 1) + "_";
    if (index < static_cast<int>(groups.size())) {
      const VatGroupTotal& group = groups[static_cast<size_t>(index)];
      values.defineNumber(prefix + "Satz", group.rate);
      values.defineNumber(prefix + "Basis", group.net);
      values.defineNumber(prefix + "Betrag", group.vat);
      vat += group.vat;
    } else {
      for (const char* part : {"Satz", "Basis", "Betrag"}) values.define(prefix + part, "");
    }
  }
  values.defineNumber("Steuer_Summe", vat);
}

void defineTotals(ReportValues& values, const DocumentHeader& header, const DocumentTotals& totals) {
  values.defineNumber("Nettobetrag", totals.netto);
  values.defineNumber("Rabatt_Prozent", header.rabatt);
  values.defineNumber("Rabatt_Betrag", totals.rabattBetrag);
  values.defineNumber("Netto_nach_Rabatt", totals.nettoRabatt);
  values.defineBoolean("Rabatt_Anzeigen", totals.showDiscountLines);
  values.defineNumber("Versandkosten", totals.versandkosten);
  defineTaxGroups(values, totals);
  values.defineNumber("Gesamtbetrag", totals.gesamt);
  values.defineNumber("Teilzahlungen", totals.teilzahlungen);
  values.defineNumber("Zahlbetrag", totals.zahlbetrag);

  const CashDiscount skonto = cashDiscountOf(header, totals);
  values.defineNumber("Skonto_Prozent", skonto.prozent);
  values.defineNumber("Skonto_Betrag", skonto.betrag);
  values.defineNumber("Skonto_Zahlbetrag", totals.zahlbetrag - skonto.betrag);
  if (skonto.bis) {
    values.defineDate("Skonto_Datum", *skonto.bis);
  } else {
    values.define("Skonto_Datum", "");
  }
}

// The totals block in slots "Summe1_Text", "Summe1_Betrag", "Summe1_Fett" .. up to kMaxTotalsLines;
// unused slots stay empty.
void defineTotalsLines(ReportValues& values, const DocumentHeader& header, const DocumentTotals& totals,
                       const DocumentType& type) {
  const std::vector<TotalsLine> lines = totalsLinesOf(totals, header.rabatt, type.tausender);
  for (int index = 0; index < kMaxTotalsLines; ++index) {
    const std::string prefix = "Summe" + std::to_string(index + 1) + "_";
    if (index < static_cast<int>(lines.size())) {
      const TotalsLine& line = lines[static_cast<size_t>(index)];
      values.define(prefix + "Text", line.label);
      values.defineNumber(prefix + "Betrag", line.amount);
      values.defineBoolean(prefix + "Fett", line.bold);
    } else {
      values.define(prefix + "Text", "");
      values.define(prefix + "Betrag", "");
      values.defineBoolean(prefix + "Fett", false);
    }
  }
}

void defineTerms(ReportValues& values, const DocumentHeader& header) {
  values.define("Zahlungsbedingung", header.zahlZiel);
  values.defineNumber("Zahlungsziel_Tage", int64_t{header.zahlungsziel});
  if (header.belegdatum) {
    values.defineDate("Faelligkeitsdatum", header.belegdatum->addDays(header.zahlungsziel));
  } else {
    values.define("Faelligkeitsdatum", "");
  }
  if (header.lieferDatum) {
    values.define("Lieferdatum_Text", "Lieferdatum: " + header.lieferDatum->toGerman());
  } else if (!trim(header.leistungszeitraum).empty()) {
    values.define("Lieferdatum_Text", "Leistungszeitraum: " + std::string(trim(header.leistungszeitraum)));
  } else {
    values.define("Lieferdatum_Text", "Lieferdatum entspricht Rechnungsdatum");
  }
}

void defineTypeSwitches(ReportValues& values, const DocumentType& type, const DocumentHeader& header) {
  values.define("Belegtitel", type.belegtitel);
  const TypeFormats formats = typeFormatsOf(type);
  values.define("Mengenformat", formats.menge);
  values.define("Einzelpreisformat", formats.einzelpreis);
  values.define("Gesamtpreisformat", formats.gesamtpreis);
  values.defineBoolean("BruttoAusgabe", type.bruttoAusgabe);
  values.define("Preisangabe", type.bruttoAusgabe ? "brutto" : "netto");
  const bool withoutVat = header.ohneMwst == 1;
  values.defineBoolean("OhneMwSt", withoutVat);
  const std::string note = withoutVat ? taxExemptionNote(header.land, header.euIdent) : "";
  values.define("Steuerhinweis", note);
  values.define("Steuerhinweis_Zusatz", note == kReverseChargeNote ? "USt-IdNr. des Leistungsempfängers: " +
                                                                         std::string(trim(header.euIdent))
                                                                   : "");
}

std::string idList(int64_t id) { return "([ID] IN (" + std::to_string(id) + "))"; }

}  // namespace

std::optional<DocumentPrintData> readDocumentPrintData(Session& session, int64_t belegId) {
  Connection& db = GlobalConnection(session);
  Recordset headerRow(db, "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "));");
  if (headerRow.eof()) return std::nullopt;

  DocumentPrintData print;
  print.header = readRecord(headerRow, DocumentHeaderFields());
  ReportValues& values = print.report.variables;
  defineRowValues(values, "Belegkopf", headerRow);

  Recordset partnerRow(db, "SELECT * FROM Adressen WHERE " + idList(print.header.kdNr) + ";");
  if (partnerRow.eof()) {
    defineEmptyRowValues(values, "Adressen", partnerRow);
  } else {
    defineRowValues(values, "Adressen", partnerRow);
  }

  Recordset typeRow(db, "SELECT * FROM Belegarten WHERE " + idList(print.header.belegartenId) + ";");
  if (typeRow.eof()) {
    defineEmptyRowValues(values, "Belegarten", typeRow);
    print.type = print.header.belegartenId == kCashSaleTypeId ? cashSaleType() : DocumentType{};
  } else {
    defineRowValues(values, "Belegarten", typeRow);
    print.type = readRecord(typeRow, DocumentTypeFields());
  }
  print.layoutFile = print.type.formularname + ".lst";

  PositionPrintRules rules{.totals = totalsContextOf(session, print.header),
                           .nullMengen = print.type.nullMengen,
                           .bruttoAusgabe = print.type.bruttoAusgabe};
  rules.totals.decimals = totalsDecimalsOf(print.type);
  std::vector<DocumentPosition> positions;
  for (Recordset row(db, "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" + std::to_string(belegId) +
                             ")) ORDER BY Zeilennummer, ID;");
       !row.eof(); row.moveNext()) {
    DocumentPosition position = readRecord(row, DocumentPositionFields());
    if (isPrinted(position, rules)) addPositionRecord(print.report, row, position, rules);
    positions.push_back(std::move(position));
  }

  defineAddresses(values, print.header);
  defineCompany(values, session);
  print.totals = computeDocumentTotals(positions, rules.totals);
  const DocumentTotals& totals = print.totals;
  defineTotals(values, print.header, totals);
  defineTotalsLines(values, print.header, totals, print.type);
  defineTerms(values, print.header);
  defineTypeSwitches(values, print.type, print.header);
  values.define("Schlusstext", plainLongText(print.header.schlußtext));
  values.defineDate("Druckdatum", session.clock().today());
  return print;
}

}  // namespace orvosal
