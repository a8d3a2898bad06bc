#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Reference data: countries, bank codes, postal and dialling codes, the two standard charts of
// accounts with their tax keys, and the first-name and last-name lists.

// countries, key countries_id.
constexpr ColumnDef kCountries[] = {
    {"countries_name", "VARCHAR", "64", "", 0},       {"countries_iso_code_2", "VARCHAR", "3", "", 0},
    {"countries_iso_code_3", "VARCHAR", "3", "", 0},  {"address_format_id", "INT", "", "0", 0},
    {"countries_iso_code_1", "VARCHAR", "50", "", 0},
};

// sBank, key ID.
constexpr ColumnDef kSBank[] = {
    {"Bankname", "VARCHAR", "50", "", 0},
    {"Bankleitzahl", "VARCHAR", "50", "", 0},
    {"BankBankleitzahl", "VARCHAR", "50", "", 0},
    {"BankBezeichnung", "VARCHAR", "50", "", 0},
    {"BIC", "VARCHAR", "20", "", 0},
    {"PLZ", "VARCHAR", "50", "", 0},
    {"Ort", "VARCHAR", "70", "", 0},
};

// sPLZ, key ID.
constexpr ColumnDef kSPLZ[] = {
    {"Ort", "VARCHAR", "50", "", 0},    {"Vorwahl", "VARCHAR", "50", "", 0},
    {"PLZ", "VARCHAR", "50", "", 0},    {"PlzLandPlz", "VARCHAR", "50", "", 0},
    {"PlzOrt", "VARCHAR", "50", "", 0}, {"PlzVorwahl", "VARCHAR", "50", "", 0},
};

// sVorwahlen, key ID.
constexpr ColumnDef kSVorwahlen[] = {
    {"Ortsnetzkennzahl", "VARCHAR", "50", "", 0},
    {"Ortsnetzname", "VARCHAR", "50", "", 0},
    {"KennzeichenAktiv", "INT", "", "0", 0},
};

// sSachKto03, key ID.
constexpr ColumnDef kSSachKto03[] = {
    {"SachKtoNummer", "VARCHAR", "9", "", 0},
    {"SachKtoBuchsperre", "BIT", "", "", 0},
    {"SachKtoSysKto", "BIT", "", "", 0},
    {"SachKtoBezeichnung", "VARCHAR", "42", "", 0},
    {"SachKtoKontenArt", "INT", "", "0", 0},
    {"SachKtoStSchl", "INT", "", "0", 0},
    {"SachKtoStArt", "INT", "", "0", 0},
    {"SachKtoSammelbuchung", "BIT", "", "", 0},
    {"SachKtoUstAuswertungsKz", "INT", "", "0", 0},
    {"SachKtoSysAuswertKz1", "VARCHAR", "9", "", 0},
    {"SachKtoSysAuswertKz2", "VARCHAR", "9", "", 0},
    {"SachKtoAnwAuswertKz1", "VARCHAR", "9", "", 0},
    {"SachKtoAnwAuswertKz2", "VARCHAR", "9", "", 0},
    {"SachKtoSelektionsKz", "VARCHAR", "9", "", 0},
    {"SachKtoReportKz", "VARCHAR", "11", "", 0},
    {"SachKtoDATEVNr", "VARCHAR", "5", "", 0},
    {"SachKtoDATEVAuto", "BIT", "", "", 0},
    {"SachKtoDATEVDatum", "DATE", "", "", 0},
    {"SachKtoJahr", "INT", "", "0", 0},
    {"SachKtoUstAuswertKzBeiIst", "BIT", "", "", 0},
    {"SachKtoFavorit", "BIT", "", "", 0},
    {"SachKtoAenderDatum", "DATE", "", "", 0},
    {"SachKtoPrivatAnteil", "MONEY", "", "0", 0},
    {"SachKtoSelbstbehalt", "INT", "", "0", 0},
};

// sSachKto04, key ID.
constexpr ColumnDef kSSachKto04[] = {
    {"SachKtoNummer", "VARCHAR", "9", "", 0},
    {"SachKtoBuchsperre", "BIT", "", "", 0},
    {"SachKtoSysKto", "BIT", "", "", 0},
    {"SachKtoBezeichnung", "VARCHAR", "42", "", 0},
    {"SachKtoKontenArt", "INT", "", "0", 0},
    {"SachKtoStSchl", "INT", "", "0", 0},
    {"SachKtoStArt", "INT", "", "0", 0},
    {"SachKtoSammelbuchung", "BIT", "", "", 0},
    {"SachKtoUstAuswertungsKz", "INT", "", "0", 0},
    {"SachKtoSysAuswertKz1", "VARCHAR", "9", "", 0},
    {"SachKtoSysAuswertKz2", "VARCHAR", "9", "", 0},
    {"SachKtoAnwAuswertKz1", "VARCHAR", "9", "", 0},
    {"SachKtoAnwAuswertKz2", "VARCHAR", "9", "", 0},
    {"SachKtoSelektionsKz", "VARCHAR", "9", "", 0},
    {"SachKtoReportKz", "VARCHAR", "11", "", 0},
    {"SachKtoDATEVNr", "VARCHAR", "5", "", 0},
    {"SachKtoDATEVAuto", "BIT", "", "", 0},
    {"SachKtoDATEVDatum", "DATE", "", "", 0},
    {"SachKtoJahr", "INT", "", "0", 0},
    {"SachKtoUstAuswertKzBeiIst", "BIT", "", "", 0},
    {"SachKtoFavorit", "BIT", "", "", 0},
    {"SachKtoAenderDatum", "DATE", "", "", 0},
    {"SachKtoPrivatAnteil", "MONEY", "", "0", 0},
    {"SachKtoSelbstbehalt", "INT", "", "0", 0},
};

// sSchlBez03, key ID.
constexpr ColumnDef kSSchlBez03[] = {
    {"SchlbezTyp", "INT", "", "0", 0},
    {"SchlbezNr", "INT", "", "0", 0},
    {"SchlbezBez", "VARCHAR", "22", "", 0},
    {"SchlbezSammelKonto", "VARCHAR", "9", "", 0},
    {"SchlbezMatFaktor", "MONEY", "", "0", 0},
    {"SchlbezLohnFaktor", "MONEY", "", "0", 0},
    {"SchlbezSatz", "MONEY", "", "0", 0},
    {"SchlbezSammelKonto2", "VARCHAR", "9", "", 0},
    {"SchlbezFlag1", "BIT", "", "", 0},
    {"SchlbezFlag2", "BIT", "", "", 0},
    {"SchlbezDefPreis", "INT", "", "0", 0},
    {"SchlbezLohnFaktorStd", "MONEY", "", "0", 0},
    {"SchlbezPrsLstWaehrungIdx", "INT", "", "0", 0},
};

// sSchlBez04, key ID.
constexpr ColumnDef kSSchlBez04[] = {
    {"SchlbezTyp", "INT", "", "0", 0},
    {"SchlbezNr", "INT", "", "0", 0},
    {"SchlbezBez", "VARCHAR", "22", "", 0},
    {"SchlbezSammelKonto", "VARCHAR", "9", "", 0},
    {"SchlbezMatFaktor", "MONEY", "", "0", 0},
    {"SchlbezLohnFaktor", "MONEY", "", "0", 0},
    {"SchlbezSatz", "MONEY", "", "0", 0},
    {"SchlbezSammelKonto2", "VARCHAR", "9", "", 0},
    {"SchlbezFlag1", "BIT", "", "", 0},
    {"SchlbezFlag2", "BIT", "", "", 0},
    {"SchlbezDefPreis", "INT", "", "0", 0},
    {"SchlbezLohnFaktorStd", "MONEY", "", "0", 0},
    {"SchlbezPrsLstWaehrungIdx", "INT", "", "0", 0},
};

// sStVor03, key ID.
constexpr ColumnDef kSStVor03[] = {
    {"StVorschlagTyp", "INT", "", "0", 0},
    {"StVorschlagGruppe", "INT", "", "0", 0},
    {"StVorschlagStSchl", "INT", "", "0", 0},
    {"StVorschlagVorschlag", "INT", "", "0", 0},
};

// sStVor04, key ID.
constexpr ColumnDef kSStVor04[] = {
    {"StVorschlagTyp", "INT", "", "0", 0},
    {"StVorschlagGruppe", "INT", "", "0", 0},
    {"StVorschlagStSchl", "INT", "", "0", 0},
    {"StVorschlagVorschlag", "INT", "", "0", 0},
};

// SUstVor03, key ID.
constexpr ColumnDef kSUstVor03[] = {
    {"UstVorZeile", "INT", "", "0", 0},       {"UstVorText", "VARCHAR", "129", "", 0},
    {"UstVorArt", "INT", "", "0", 0},         {"UstVorStArt", "INT", "", "0", 0},
    {"UstVorNr", "VARCHAR", "5", "", 0},      {"UstVorStNr", "VARCHAR", "5", "", 0},
    {"UstVorFaktor", "MONEY", "", "0", 0},    {"UstVorVergleichsKto", "VARCHAR", "9", "", 0},
    {"UstVorStFaktor", "MONEY", "", "0", 0},  {"UstVorBlockNr", "INT", "", "0", 0},
    {"UstVorInfoBlockNr", "INT", "", "0", 0},
};

// sUstVor04, key ID.
constexpr ColumnDef kSUstVor04[] = {
    {"UstVorZeile", "INT", "", "0", 0},       {"UstVorText", "VARCHAR", "129", "", 0},
    {"UstVorArt", "INT", "", "0", 0},         {"UstVorStArt", "INT", "", "0", 0},
    {"UstVorNr", "VARCHAR", "5", "", 0},      {"UstVorStNr", "VARCHAR", "5", "", 0},
    {"UstVorFaktor", "MONEY", "", "0", 0},    {"UstVorVergleichsKto", "VARCHAR", "9", "", 0},
    {"UstVorStFaktor", "MONEY", "", "0", 0},  {"UstVorBlockNr", "INT", "", "0", 0},
    {"UstVorInfoBlockNr", "INT", "", "0", 0},
};

// Find_Nachnamen, key ID.
constexpr ColumnDef kFindNachnamen[] = {
    {"Werte", "VARCHAR", "150", "", 0},
};

// Find_Vornamen, key ID.
constexpr ColumnDef kFindVornamen[] = {
    {"Werte", "VARCHAR", "150", "", 0},
};

}  // namespace orvosal::schema_columns
