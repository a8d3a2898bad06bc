#include "documents/printing/record_qr_codes.h"

#include <charconv>
#include <map>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "documents/printing/document_qr_codes.h"
#include "documents/printing/qr_code_information.h"
#include "masterdata/addresses/address.h"
#include "masterdata/articles/article.h"
#include "output/qr/qr_output.h"
#include "output/report/print_layout.h"

namespace orvosal {
namespace {

int64_t keyOf(const ReportValues& record, std::string_view field) {
  const ReportValue* value = record.find(field);
  int64_t key = 0;
  if (value != nullptr) std::from_chars(value->text.data(), value->text.data() + value->text.size(), key);
  return key;
}

// The QR texts of the table's rows with these keys, by key.
template <class Record>
std::map<int64_t, std::string> informationByKey(Session& session, std::string_view table,
                                                FieldTable<Record> fields, const std::vector<int64_t>& keys) {
  std::map<int64_t, std::string> texts;
  if (keys.empty()) return texts;
  std::string list;
  for (const int64_t key : keys) list += (list.empty() ? "" : ", ") + std::to_string(key);
  for (Recordset rs(GlobalConnection(session),
                    "SELECT * FROM " + std::string(table) + " WHERE [ID] IN (" + list + ");");
       !rs.eof(); rs.moveNext()) {
    const Record record = readRecord(rs, fields);
    texts.emplace(record.id, QRCodeInformation(record));
  }
  return texts;
}

// Defines the pictures of the records that carry the key field, one symbol per key.
template <class Record>
void defineCodesOf(Session& session, ReportData& data, std::string_view table, FieldTable<Record> fields,
                   TemporaryPictures& pictures) {
  const std::string keyField = std::string(table) + ".ID";
  std::vector<int64_t> keys;
  for (const ReportValues& record : data.records) {
    if (const int64_t key = keyOf(record, keyField)) keys.push_back(key);
  }
  const std::map<int64_t, std::string> texts = informationByKey(session, table, fields, keys);
  std::map<int64_t, std::string> files;
  for (ReportValues& record : data.records) {
    if (record.find(keyField) == nullptr) continue;
    const auto text = texts.find(keyOf(record, keyField));
    std::string file;
    if (text != texts.end()) {
      auto [made, fresh] = files.try_emplace(text->first);
      if (fresh) made->second = pictures.adopt(Generate_QRCode(session, text->second));
      file = made->second;
    }
    record.definePicture(kQrCodeVariable, file);
  }
}

}  // namespace

void defineRecordQrCodes(Session& session, ReportData& data, TemporaryPictures& pictures) {
  defineCodesOf(session, data, "Artikel", ArticleFields(), pictures);
  defineCodesOf(session, data, "Adressen", AddressFields(), pictures);
}

PrintResult printRecordList(Session& session, PrintPort& port, const PrintRequest& request, ReportData data) {
  TemporaryPictures pictures;
  const std::optional<Layout> layout = readPrintLayout(session, request.layoutFile);
  if (layout && layout->uses(kQrCodeVariable)) defineRecordQrCodes(session, data, pictures);
  return printReport(session, port, request, data);
}

}  // namespace orvosal
