#include "core/records/document_type.h"

namespace orvosal {
namespace {

using T = DocumentType;

const FieldDef<T> kDocumentTypeFields[] = {
    {"ID", &T::id, true},
    {"Belegtitel", &T::belegtitel},
    {"Lagerbuchen", &T::lagerbuchen},
    {"Formularname", &T::formularname},
    {"Kundenbereich", &T::kundenbereich},
    {"Nummer", &T::nummer},
    {"In_Offene_Posten", &T::inOffenePosten},
    {"Nachkommastellen", &T::nachkommastellen},
    {"InsLager", &T::insLager},
    {"InsKonto", &T::insKonto},
    {"VersandVariante", &T::versandVariante},
    {"Provision", &T::provision},
    {"Paketdienst", &T::paketdienst},
    {"Aufgabe", &T::aufgabe},
    {"NullMengen", &T::nullMengen},
    {"Tausender", &T::tausender},
    {"Aktivität", &T::aktivität},
    {"Endtext", &T::endtext},
    {"BeginnText", &T::beginntext},
    {"BruttoAusgabe", &T::bruttoAusgabe},
    {"Allgemeine", &T::allgemeine},
    {"Schlusstext", &T::schlusstext},
    {"NummerkreisID", &T::nummerkreisId},
    {"EP_NachkommaStellen", &T::epNachkommaStellen},
    {"GP_NachkommaStellen", &T::gpNachkommaStellen},
    {"Kurztitel", &T::kurztitel},
    {"EmailText", &T::emailText},
    {"PDF_PATH", &T::pdfPath},
    {"Aktiv", &T::aktiv},
    {"Lieferdatum_mitnehmen", &T::lieferdatumMitnehmen},
    {"Beleg_Erledigen", &T::belegErledigen},
    {"Belegfrei", &T::belegfrei},
    {"KopieEmail", &T::kopieEmail},
    {"Tpye_Absender", &T::tpyeAbsender},
    {"Type_Email", &T::typeEmail},
    {"Priorität", &T::priorität},
    {"Nachverfolgung", &T::nachverfolgung},
    {"OutlookPreview", &T::outlookPreview},
    {"EmailEmpfaengerName", &T::emailEmpfaengerName},
    {"EmailEmpfaengerEmail", &T::emailEmpfaengerEmail},
    {"Ticketsystem", &T::ticketsystem},
    {"Standart_Schlusstext", &T::standartSchlusstext},
    {"ZahlungsZielText", &T::zahlungsZielText},
    {"NoLagerCheck", &T::noLagerCheck},
    {"VermietSystem", &T::vermietSystem},
};

}  // namespace

FieldTable<DocumentType> DocumentTypeFields() { return kDocumentTypeFields; }

}  // namespace orvosal
