#include "output/pdfa/facturx_pdf.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <exception>

#include "core/file_bytes.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr const char* kAttachmentName = "factur-x.xml";

std::string two(int value) {
  const std::string digits = std::to_string(value);
  return digits.size() < 2 ? "0" + digits : digits;
}

// "2026-12-06T14:30:00+00:00", the XMP date form; the clock's time counts as UTC.
std::string xmpDate(const DateTime& moment) {
  return moment.date().toIso() + "T" + two(moment.hour()) + ":" + two(moment.minute()) + ":" +
         two(moment.second()) + "+00:00";
}

// "D:20261206143000Z", the PDF date form.
std::string pdfDate(const DateTime& moment) {
  std::string iso = moment.date().toIso();
  std::erase(iso, '-');
  return "D:" + iso + two(moment.hour()) + two(moment.minute()) + two(moment.second()) + "Z";
}

std::string fxProperty(const char* name, const char* description) {
  return std::string("<rdf:li rdf:parseType=\"Resource\">") + "<pdfaProperty:name>" + name +
         "</pdfaProperty:name><pdfaProperty:valueType>Text</pdfaProperty:valueType>"
         "<pdfaProperty:category>external</pdfaProperty:category><pdfaProperty:description>" +
         description + "</pdfaProperty:description></rdf:li>\n";
}

std::string xmp(const FacturXPdf& info) {
  return std::string("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n") +
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
         "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">"
         "<pdfaid:part>3</pdfaid:part><pdfaid:conformance>B</pdfaid:conformance></rdf:Description>\n"
         "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title><rdf:Alt>"
         "<rdf:li xml:lang=\"x-default\">" +
         xmlEscaped(info.title) +
         "</rdf:li></rdf:Alt></dc:title></rdf:Description>\n"
         "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">"
         "<pdf:Producer>Orvosal</pdf:Producer></rdf:Description>\n"
         "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">"
         "<xmp:CreatorTool>Orvosal</xmp:CreatorTool><xmp:CreateDate>" +
         xmpDate(info.created) + "</xmp:CreateDate><xmp:ModifyDate>" + xmpDate(info.created) +
         "</xmp:ModifyDate></rdf:Description>\n"
         "<rdf:Description rdf:about=\"\" xmlns:pdfaExtension=\"http://www.aiim.org/pdfa/ns/extension/\" "
         "xmlns:pdfaSchema=\"http://www.aiim.org/pdfa/ns/schema#\" "
         "xmlns:pdfaProperty=\"http://www.aiim.org/pdfa/ns/property#\">\n"
         "<pdfaExtension:schemas><rdf:Bag><rdf:li rdf:parseType=\"Resource\">\n"
         "<pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>\n"
         "<pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#</"
         "pdfaSchema:namespaceURI>\n"
         "<pdfaSchema:prefix>fx</pdfaSchema:prefix>\n"
         "<pdfaSchema:property><rdf:Seq>\n" +
         fxProperty("DocumentFileName", "name of the embedded XML invoice file") +
         fxProperty("DocumentType", "INVOICE") +
         fxProperty("Version", "The actual version of the Factur-X XML schema") +
         fxProperty("ConformanceLevel", "The conformance level of the embedded Factur-X data") +
         "</rdf:Seq></pdfaSchema:property>\n"
         "</rdf:li></rdf:Bag></pdfaExtension:schemas></rdf:Description>\n"
         "<rdf:Description rdf:about=\"\" xmlns:fx=\"urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#\">"
         "<fx:DocumentType>INVOICE</fx:DocumentType><fx:DocumentFileName>" +
         kAttachmentName + "</fx:DocumentFileName><fx:Version>1.0</fx:Version><fx:ConformanceLevel>" +
         xmlEscaped(info.conformanceLevel) +
         "</fx:ConformanceLevel></rdf:Description>\n"
         "</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

void embedInvoice(QPDF& pdf, const std::string& xml, const FacturXPdf& info) {
  QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, xml);
  stream.setSubtype("text/xml");
  stream.setModDate(pdfDate(info.created));
  stream.setCreationDate(pdfDate(info.created));
  QPDFFileSpecObjectHelper attachment =
      QPDFFileSpecObjectHelper::createFileSpec(pdf, kAttachmentName, stream);
  attachment.setDescription("Factur-X invoice");
  QPDFObjectHandle attachmentObject = attachment.getObjectHandle();
  attachmentObject.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Alternative"));
  QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(kAttachmentName, attachment);
  QPDFObjectHandle root = pdf.getRoot();
  QPDFObjectHandle associated = QPDFObjectHandle::newArray();
  associated.appendItem(attachmentObject.isIndirect() ? attachmentObject
                                                      : pdf.makeIndirectObject(attachmentObject));
  root.replaceKey("/AF", associated);
}

void addMetadata(QPDF& pdf, const FacturXPdf& info) {
  QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, xmp(info));
  QPDFObjectHandle dictionary = metadata.getDict();
  dictionary.replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
  dictionary.replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
  pdf.getRoot().replaceKey("/Metadata", metadata);
  pdf.getTrailer().removeKey("/Info");
}

void addOutputIntent(QPDF& pdf, const std::string& profile) {
  QPDFObjectHandle icc = QPDFObjectHandle::newStream(&pdf, profile);
  icc.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
  QPDFObjectHandle intent = QPDFObjectHandle::newDictionary();
  intent.replaceKey("/Type", QPDFObjectHandle::newName("/OutputIntent"));
  intent.replaceKey("/S", QPDFObjectHandle::newName("/GTS_PDFA1"));
  intent.replaceKey("/OutputConditionIdentifier", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
  intent.replaceKey("/Info", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
  intent.replaceKey("/DestOutputProfile", icc);
  QPDFObjectHandle intents = QPDFObjectHandle::newArray();
  intents.appendItem(pdf.makeIndirectObject(intent));
  pdf.getRoot().replaceKey("/OutputIntents", intents);
}

}  // namespace

std::string writeFacturXPdf(const std::filesystem::path& in, const std::string& xml, const FacturXPdf& info,
                            const std::filesystem::path& out) {
  const std::string profile = readFileBytes(kSrgbProfile).value_or("");
  if (profile.empty())
    return std::string("Das Farbprofil ") + kSrgbProfile + " fehlt (Paket icc-profiles-free)";
  try {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    const std::string inName = in.string();
    pdf.processFile(inName.c_str());
    embedInvoice(pdf, xml, info);
    addMetadata(pdf, info);
    addOutputIntent(pdf, profile);
    // The writer keeps the file name's pointer until it writes: the name must outlive it.
    const std::string partial = out.string() + ".tmp";
    QPDFWriter writer(pdf, partial.c_str());
    writer.setNewlineBeforeEndstream(true);
    writer.setMinimumPDFVersion("1.7");
    writer.write();
    std::filesystem::rename(partial, out);
    return {};
  } catch (const std::exception& failure) {
    return "Die PDF-Datei " + in.string() + " kann nicht zur E-Rechnung werden: " + failure.what();
  }
}

}  // namespace orvosal
