#include "accounting/einvoice/xml_writer.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(XmlWriter, EscapesTextAndAttributesAndDropsForbiddenControlCharacters) {
  XmlWriter xml;
  xml.open("a", {{"b", "x\"y'<&>"}});
  xml.text("c", "Müller & Söhne <GmbH> \"A\" 'B' €\x01\x1f\r\n\tEnde");
  xml.optionalText("d", "");
  xml.text("e", "", {{"f", "1"}});
  EXPECT_EQ(xml.finish(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<a b=\"x&quot;y&apos;&lt;&amp;&gt;\">\n"
            "  <c>Müller &amp; Söhne &lt;GmbH&gt; &quot;A&quot; &apos;B&apos; €\n\tEnde</c>\n"
            "  <e f=\"1\"></e>\n"
            "</a>\n");
}

TEST(XmlWriter, AmountsHaveTwoDecimalsAndDecimalsNoTrailingZeros) {
  const struct {
    const char* value;
    const char* amount;
    const char* decimal;
  } cases[] = {
      {"0", "0.00", "0"},
      {"1234,5", "1234.50", "1234.5"},
      {"0,005", "0.01", "0.005"},
      {"-0,005", "-0.01", "-0.005"},
      {"12,3456", "12.35", "12.3456"},
      {"19", "19.00", "19"},
      {"-14,97", "-14.97", "-14.97"},
  };
  for (const auto& c : cases) {
    const Currency value = *Currency::parse(c.value);
    EXPECT_EQ(xmlAmount(value), c.amount) << c.value;
    EXPECT_EQ(xmlDecimal(value), c.decimal) << c.value;
  }
}

}  // namespace
}  // namespace orvosal
