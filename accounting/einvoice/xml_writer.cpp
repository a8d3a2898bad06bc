#include "accounting/einvoice/xml_writer.h"

#include "core/text.h"

namespace orvosal {

XmlWriter::XmlWriter() : out_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") {}

void XmlWriter::startTag(std::string_view name, const Attributes& attributes) {
  out_.append(open_.size() * 2, ' ');
  out_ += '<';
  out_ += name;
  for (const auto& [key, value] : attributes) {
    out_ += ' ';
    out_ += key;
    out_ += "=\"" + xmlEscaped(value) + '"';
  }
  out_ += '>';
}

void XmlWriter::open(std::string_view name, const Attributes& attributes) {
  startTag(name, attributes);
  out_ += '\n';
  open_.emplace_back(name);
}

void XmlWriter::close() {
  out_.append((open_.size() - 1) * 2, ' ');
  out_ += "</" + open_.back() + ">\n";
  open_.pop_back();
}

void XmlWriter::text(std::string_view name, std::string_view value, const Attributes& attributes) {
  startTag(name, attributes);
  out_ += xmlEscaped(value);
  out_ += "</";
  out_ += name;
  out_ += ">\n";
}

void XmlWriter::optionalText(std::string_view name, std::string_view value, const Attributes& attributes) {
  if (!value.empty()) text(name, value, attributes);
}

std::string XmlWriter::finish() {
  while (!open_.empty()) close();
  return std::move(out_);
}

std::string xmlAmount(Currency value) { return value.rounded(2, Rounding::HalfAwayFromZero).formatSql(2); }

std::string xmlDecimal(Currency value) {
  std::string text = value.formatSql(4);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace orvosal
