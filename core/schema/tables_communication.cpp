#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Communication: mail accounts, sent and received mail, stored files.

// accounts, key ID.
constexpr ColumnDef kAccounts[] = {
    {"pop3server", "VARCHAR", "255", "", 0},
    {"smtpserver", "VARCHAR", "255", "", 0},
    {"port", "INT", "", "0", 0},
    {"username", "VARCHAR", "255", "", 0},
    {"password", "VARCHAR", "255", "", 0},
    {"Absender", "VARCHAR", "255", "", 0},
    {"Firma_Org", "VARCHAR", "50", "", 0},
    {"CheckMails", "BIT", "", "", 0},
    {"DeleteMails", "BIT", "", "", 0},
    {"SMTPLogin", "BIT", "", "", 0},
    {"PopLogin", "BIT", "", "", 0},
    {"AccountName", "VARCHAR", "50", "", 0},
    {"NutzerID", "INT", "", "0", 0},
    {"ShowHeader", "BIT", "", "", 0},
    {"Antwortadresse", "VARCHAR", "50", "", 0},
    {"Authentifizierung", "INT", "", "0", 0},
    {"SMTP_password", "VARCHAR", "50", "", 0},
    {"SMTP_username", "VARCHAR", "50", "", 0},
    {"smtpport", "INT", "", "0", 0},
};

// EMailAbrufKonten, key ID.
// The first upgrade block creates it in older databases and moves the mail accounts of
// Systemeinstellungen into it.
constexpr ColumnDef kEMailAbrufKonten[] = {
    {"AbsenderAdresse", "VARCHAR", "255", "", 0},
    {"AbsenderEmail", "VARCHAR", "255", "", 0},
    {"SMTPServer", "VARCHAR", "255", "", 0},
    {"Pop3Server", "VARCHAR", "255", "", 0},
    {"Pop3Username", "VARCHAR", "255", "", 0},
    {"Pop3Passwort", "VARCHAR", "255", "", 0},
    {"SmtpPort", "INT", "", "0", 0},
    {"Pop3Port", "INT", "", "0", 0},
    {"Pop3SSL", "INT", "", "0", 0},
};

// EMailkonten, key ID.
constexpr ColumnDef kEMailkonten[] = {
    {"KontoName", "VARCHAR", "50", "", 0},  {"PopServer", "VARCHAR", "50", "", 0},
    {"SmtpServer", "VARCHAR", "50", "", 0}, {"Benutzer", "VARCHAR", "50", "", 0},
    {"Passwort", "VARCHAR", "50", "", 0},   {"Prüfen", "INT", "", "0", 0},
    {"Delete", "INT", "", "0", 0},          {"Nutzer", "INT", "", "0", 0},
};

// Emails, key ID.
constexpr ColumnDef kEmails[] = {
    {"SMTP", "VARCHAR", "50", "", 0},      {"Absender", "VARCHAR", "50", "", 0},
    {"Empfänger", "VARCHAR", "50", "", 0}, {"CC", "VARCHAR", "50", "", 0},
    {"BCC", "VARCHAR", "50", "", 0},       {"Betreff", "VARCHAR", "50", "", 0},
    {"Nachricht", "TEXT", "", "", 0},      {"Attachment", "TEXT", "", "", 0},
    {"User", "INT", "", "0", 0},           {"Gesendet", "BIT", "", "", 0},
    {"Datum", "DATE", "", "", 0},          {"Uhrzeit", "DATE", "", "", 0},
    {"Wichtig", "BIT", "", "", 0},         {"Gelöscht", "BIT", "", "", 0},
    {"Ordner", "VARCHAR", "50", "", 0},    {"Gelesen", "BIT", "", "", 0},
    {"TicketID", "INT", "", "0", 0},       {"RTFBody", "TEXT", "", "0", 0},
};

// Postausgang, key ID.
constexpr ColumnDef kPostausgang[] = {
    {"Von", "VARCHAR", "50", "", 0},      {"Datum", "DATE", "", "", 0},
    {"An", "VARCHAR", "50", "", 0},       {"CC", "TEXT", "", "", 0},
    {"Betreff", "VARCHAR", "150", "", 0}, {"Messages", "TEXT", "", "", 0},
    {"Gesendet", "INT", "", "0", 0},      {"Wichtig", "INT", "", "0", 0},
    {"Anhänge", "INT", "", "0", 0},       {"Attachment", "TEXT", "", "0", 0},
    {"Ordner", "INT", "", "0", 0},        {"Gelesen", "INT", "", "0", 0},
    {"VonName", "VARCHAR", "50", "", 0},  {"User", "VARCHAR", "50", "", 0},
    {"Nutzer", "INT", "", "0", 0},
};

// Posteingang, key ID.
constexpr ColumnDef kPosteingang[] = {
    {"Von", "VARCHAR", "50", "", 0},      {"Datum", "DATE", "", "", 0},
    {"An", "VARCHAR", "50", "", 0},       {"CC", "TEXT", "", "", 0},
    {"Betreff", "VARCHAR", "150", "", 0}, {"Messages", "TEXT", "", "", 0},
    {"Gesendet", "INT", "", "0", 0},      {"Wichtig", "INT", "", "0", 0},
    {"Anhänge", "INT", "", "0", 0},       {"Attachment", "TEXT", "", "0", 0},
    {"Ordner", "INT", "", "0", 0},        {"Gelesen", "INT", "", "0", 0},
    {"VonName", "VARCHAR", "50", "", 0},  {"User", "VARCHAR", "50", "", 0},
    {"Nutzer", "INT", "", "0", 0},
};

// Read_Emails, key ID.
constexpr ColumnDef kReadEmails[] = {
    {"EmailKey", "VARCHAR", "50", "", 0},
    {"Nutzer", "VARCHAR", "50", "", 0},
    {"Ticketsystem", "INT", "", "0", 0},
};

// Files, key ID.
constexpr ColumnDef kFiles[] = {
    {"DateiName", "VARCHAR", "255", "", 0}, {"Datei", "TEXT", "", "", 0},
    {"Art", "VARCHAR", "50", "", 0},        {"IDNummer", "INT", "", "0", 0},
    {"Datum", "VARCHAR", "10", "", 0},      {"Bearbeiter", "VARCHAR", "50", "", 0},
    {"ShowTitel", "VARCHAR", "50", "", 0},  {"VG", "INT", "", "0", 0},
    {"MetaTags", "TEXT", "", "0", 0},       {"MyFilePath", "VARCHAR", "255", "", 0},
};

}  // namespace orvosal::schema_columns
