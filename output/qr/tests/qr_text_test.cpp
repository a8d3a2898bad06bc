#include <gtest/gtest.h>

#include "output/qr/cls_qr_code.h"
#include "output/qr/giro_code.h"
#include "output/qr/qr_binary_render.h"
#include "output/qr/qr_text_render.h"
#include "output/qr/tilde_escape.h"

namespace orvosal::qr {
namespace {

TEST(QrTilde, Escapes) {
  const struct {
    std::string_view input;
    std::string_view output;
  } cases[] = {
      {"~~d065", "~d065"}, {"Tilde test: ~d065~d067~d013~h45 ~~", "Tilde test: AC\rE ~"},
      {"~d256", "~d256"},  {"~d06", "~d06"},
      {"~hZZ", "~hZZ"},    {"~x~", "~x~"},
      {"~h4a", "J"},
  };
  for (const auto& c : cases) EXPECT_EQ(applyTildeEscapes(c.input), c.output) << c.input;
}

// A symbol of two modules per side: dark at (0,0) and (1,1).
Symbol diagonal() { return Symbol{.version = 1, .size = 2, .mask = 0, .modules = {1, 0, 0, 2}}; }

TEST(QrRender, HtmlText) {
  const std::string expected =
      "<div style='font-size:0;background-color:#ffffff;position:relative;width:12px;height:12px;'>\r\n"
      "<div "
      "style='background-color:#000000;width:3px;height:3px;position:absolute;left:3px;top:3px;'>&nbsp;</"
      "div>\r\n"
      "<div "
      "style='background-color:#000000;width:3px;height:3px;position:absolute;left:6px;top:6px;'>&nbsp;</"
      "div>\r\n"
      "</div>\r\n";
  EXPECT_EQ(renderHtml(diagonal(), 1, 3), expected);
}

TEST(QrRender, SvgText) {
  const std::string expected =
      "<?xml version='1.0' standalone='no'?>\r\n"
      "<!DOCTYPE svg PUBLIC '-//W3C//DTD SVG 1.1//EN' 'http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd'>\r\n"
      "<svg width='8' height='8' version='1.1' xmlns='http://www.w3.org/2000/svg'>\r\n"
      "  <g id='qrcode'>\r\n"
      "    <g id='background' fill='#ffffff' stroke='#ffffff'>\r\n"
      "      <rect x='0' y='0' width='8' height='8' />\r\n"
      "    </g>\r\n"
      "    <g id='pattern' fill='#000000' stroke='#000000'>\r\n"
      "    <g id='R0C0' >\r\n"
      "      <rect x='2' y='2' width='2' height='2' />\r\n"
      "    </g>\r\n"
      "    <g id='R1C1' >\r\n"
      "      <rect x='4' y='4' width='2' height='2' />\r\n"
      "    </g>\r\n"
      "    </g>\r\n"
      "  </g>\r\n"
      "</svg>\r\n";
  EXPECT_EQ(renderSvg(diagonal(), 1, 2), expected);
}

TEST(QrRender, EpsHeaderAndSquares) {
  const DateTime created = *DateTime::fromParts(*Date::fromYmd(2026, 12, 6), 9, 5, 7);
  const std::string eps = renderEps(diagonal(), 0, 10, created);
  EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\r\n%%Creator: Orvosal QR 1.0\r\n%%Title: qrcode\r\n"
                      "%%CreationDate: Sun Dec 6 09:05:07 2026\r\n%%BoundingBox: 0 0 20 20\r\n",
                      0),
            0u);
  // PostScript y grows upwards: the top left module sits at y 10..20, the bottom right at 0..10.
  EXPECT_NE(eps.find("0.000 0.000 0.000 1.000 k\r\n0 10 m\r\n10 10 l\r\n10 20 l\r\n0 20 l\r\nf\r\n"
                     "10 0 m\r\n20 0 l\r\n20 10 l\r\n10 10 l\r\nf\r\n%%Trailer\r\n%%EOF\r\n"),
            std::string::npos);
}

uint32_t read32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
  return value;
}

TEST(QrRender, BmpRowsArePaddedAndBottomUp) {
  // 2 modules + 2 * 1 quiet zone, 3 pixels each: 12 pixels, 2 bytes padded to 4 per row.
  const std::string bmp = renderBmp(diagonal(), 1, 3);
  ASSERT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(read32(bmp, 2), bmp.size());
  EXPECT_EQ(read32(bmp, 18), 12u);
  EXPECT_EQ(bmp.size(), 62u + 12 * 4);
  auto pixelDark = [&](int x, int y) {
    const size_t rowStart = 62 + static_cast<size_t>(11 - y) * 4;
    return ((static_cast<uint8_t>(bmp[rowStart + static_cast<size_t>(x / 8)]) >> (7 - x % 8)) & 1) == 0;
  };
  EXPECT_TRUE(pixelDark(3, 3));
  EXPECT_TRUE(pixelDark(5, 5));
  EXPECT_TRUE(pixelDark(8, 8));
  EXPECT_FALSE(pixelDark(6, 3));
  EXPECT_FALSE(pixelDark(0, 0));
  EXPECT_FALSE(pixelDark(11, 11));
}

TEST(QrRender, WmfHasChecksumAndOneRectanglePerDarkModule) {
  const std::string wmf = renderWmf(diagonal(), 1, 5);
  EXPECT_EQ(read32(wmf, 0), 0x9AC6CDD7u);
  uint16_t checksum = 0;
  for (size_t i = 0; i < 20; i += 2)
    checksum ^= static_cast<uint16_t>(static_cast<uint8_t>(wmf[i]) | static_cast<uint8_t>(wmf[i + 1]) << 8);
  EXPECT_EQ(checksum,
            static_cast<uint16_t>(static_cast<uint8_t>(wmf[20]) | static_cast<uint8_t>(wmf[21]) << 8));
  EXPECT_EQ(read32(wmf, 22 + 6) * 2, wmf.size() - 22);
  int rectangles = 0;
  size_t at = 22 + 18;
  while (at < wmf.size()) {
    const uint32_t words = read32(wmf, at);
    if (static_cast<uint8_t>(wmf[at + 4]) == 0x1B && static_cast<uint8_t>(wmf[at + 5]) == 0x04) ++rectangles;
    at += words * 2;
  }
  EXPECT_EQ(at, wmf.size());
  EXPECT_EQ(rectangles, 3);  // the background and two modules
}

TEST(QrClass, RenderingsEmptyAfterFailedEncode) {
  clsQRCode code;
  code.Version = 1;
  EXPECT_EQ(code.Encode(std::string(100, 'x')), kMessageTooMuchData);
  EXPECT_EQ(code.Size(), 0);
  EXPECT_TRUE(code.GetSVG(1).empty());
  EXPECT_TRUE(code.GetBMP(1).empty());
  code.ApplyTilde = true;
  code.Version = 0;
  EXPECT_EQ(code.Encode("~~d065"), "");
  EXPECT_EQ(code.Size(), 21);
  EXPECT_EQ(code.Matrix(0, 0), 2);
  EXPECT_EQ(code.Matrix(1, 1), 0);
}

TEST(QrGiroCode, PayloadAndRefusals) {
  GiroCodeTransfer transfer{.bic = "BFSWDE33BER",
                            .beneficiary = "Wikimedia Fördergesellschaft",
                            .iban = "DE33100205000001194700",
                            .amount = *Currency::parse("123,45"),
                            .text = "RE-2026-0001"};
  const auto payload = buildGiroCodePayload(transfer);
  ASSERT_EQ(payload.index(), 0u);
  EXPECT_EQ(
      std::get<0>(payload),
      "BCD\n002\n1\nSCT\nBFSWDE33BER\nWikimedia Fördergesellschaft\nDE33100205000001194700\nEUR123.45\n\n\n"
      "RE-2026-0001");

  const struct {
    void (*change)(GiroCodeTransfer&);
    std::string_view message;
  } refusals[] = {
      {[](GiroCodeTransfer& t) { t.iban = "DE33100205000001194701"; }, "Die IBAN ist ungültig."},
      {[](GiroCodeTransfer& t) { t.bic = "BFSW"; },
       "Die BIC muss 8 oder 11 Buchstaben und Ziffern lang sein."},
      {[](GiroCodeTransfer& t) { t.beneficiary = std::string(71, 'a'); },
       "Der Name des Empfängers muss 1 bis 70 Zeichen lang sein."},
      {[](GiroCodeTransfer& t) { t.amount = Currency(); },
       "Der Betrag muss zwischen 0.01 und 999999999.99 EUR liegen."},
      {[](GiroCodeTransfer& t) { t.amount = Currency::fromInteger(1000000000); },
       "Der Betrag muss zwischen 0.01 und 999999999.99 EUR liegen."},
      {[](GiroCodeTransfer& t) { t.text = std::string(141, 'x'); },
       "Der Verwendungszweck darf höchstens 140 Zeichen lang sein."},
  };
  for (const auto& refusal : refusals) {
    GiroCodeTransfer changed = transfer;
    refusal.change(changed);
    const auto result = buildGiroCodePayload(changed);
    ASSERT_EQ(result.index(), 1u);
    EXPECT_EQ(std::get<1>(result), refusal.message);
  }
}

}  // namespace
}  // namespace orvosal::qr
