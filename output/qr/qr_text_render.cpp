#include "output/qr/qr_text_render.h"

#include <array>
#include <functional>

#include "output/qr/qr_matrix.h"

namespace orvosal::qr {

namespace {

constexpr std::string_view kEnd = "\r\n";

// Calls visit(row, column, x, y) for every dark module, x and y being its top left corner in a
// drawing whose origin is the top left of the quiet zone.
void forEachDarkModule(const Symbol& symbol, int quietZone, int scale,
                       const std::function<void(int, int, int, int)>& visit) {
  for (int row = 0; row < symbol.size; ++row)
    for (int column = 0; column < symbol.size; ++column)
      if (symbol.dark(row, column))
        visit(row, column, (column + quietZone) * scale, (row + quietZone) * scale);
}

std::string number(int value) { return std::to_string(value); }

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + number(value); }

// "ddd mmm d hh:mm:ss yyyy"
std::string epsDate(const DateTime& moment) {
  static constexpr std::array<std::string_view, 7> kDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  static constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const Date date = moment.date();
  return std::string(kDays[static_cast<size_t>(date.dayOfWeek() - 1)]) + " " +
         std::string(kMonths[static_cast<size_t>(date.month() - 1)]) + " " + number(date.day()) + " " +
         twoDigits(moment.hour()) + ":" + twoDigits(moment.minute()) + ":" + twoDigits(moment.second()) +
         " " + number(date.year());
}

}  // namespace

std::string renderHtml(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration) {
  const std::string side = number((symbol.size + 2 * quietZone) * scale);
  std::string html = "<div style='font-size:0;background-color:#ffffff;position:relative;width:" + side +
                     "px;height:" + side + "px;'>" + std::string(kEnd);
  auto box = [](int x, int y, int width, int height) {
    return "width:" + number(width) + "px;height:" + number(height) +
           "px;position:absolute;left:" + number(x) + "px;top:" + number(y) + "px;";
  };
  forEachDarkModule(symbol, quietZone, scale, [&](int row, int column, int x, int y) {
    html += "<div style='background-color:" + std::string(moduleColour(symbol, decoration, row, column)) +
            ";" + box(x, y, scale, scale) + "'>&nbsp;</div>";
    html += kEnd;
  });
  const LogoPlacement logo = placeLogo(symbol, quietZone, scale, decoration.logo);
  if (!logo.square.isEmpty()) {
    html += "<div style='background-color:#ffffff;" +
            box(logo.square.x(), logo.square.y(), logo.square.width(), logo.square.height()) +
            "'>&nbsp;</div>";
    html += kEnd;
    html += "<img src='" + logoDataUrl(decoration.logo) + "' style='" +
            box(logo.image.x(), logo.image.y(), logo.image.width(), logo.image.height()) + "'>";
    html += kEnd;
    forEachAreaModule(symbol, quietZone, scale, logo.alignmentAreas, [&](int row, int column, int x, int y) {
      html += "<div style='background-color:" + std::string(moduleColour(symbol, decoration, row, column)) +
              ";" + box(x, y, scale, scale) + "'>&nbsp;</div>";
      html += kEnd;
    });
  }
  html += "</div>";
  html += kEnd;
  return html;
}

std::string renderSvg(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration) {
  const std::string side = number((symbol.size + 2 * quietZone) * scale);
  std::string svg;
  auto line = [&svg](const std::string& text) {
    svg += text;
    svg += kEnd;
  };
  line("<?xml version='1.0' standalone='no'?>");
  line("<!DOCTYPE svg PUBLIC '-//W3C//DTD SVG 1.1//EN' 'http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd'>");
  line("<svg width='" + side + "' height='" + side + "' version='1.1' xmlns='http://www.w3.org/2000/svg'>");
  line("  <g id='qrcode'>");
  line("    <g id='background' fill='#ffffff' stroke='#ffffff'>");
  line("      <rect x='0' y='0' width='" + side + "' height='" + side + "' />");
  line("    </g>");
  line("    <g id='pattern' fill='#000000' stroke='#000000'>");
  const std::string markerPaint =
      " fill='" + std::string(kMarkerColour) + "' stroke='" + std::string(kMarkerColour) + "'";
  auto rect = [](int x, int y, int width, int height) {
    return "x='" + number(x) + "' y='" + number(y) + "' width='" + number(width) + "' height='" +
           number(height) + "'";
  };
  forEachDarkModule(symbol, quietZone, scale, [&](int row, int column, int x, int y) {
    const bool marker = decoration.showMarkers && symbol.at(row, column) == kMarker;
    line("    <g id='R" + number(row) + "C" + number(column) + "' >");
    line("      <rect " + rect(x, y, scale, scale) + (marker ? markerPaint : std::string()) + " />");
    line("    </g>");
  });
  line("    </g>");
  const LogoPlacement logo = placeLogo(symbol, quietZone, scale, decoration.logo);
  if (!logo.square.isEmpty()) {
    line("    <g id='logo'>");
    line("      <rect " + rect(logo.square.x(), logo.square.y(), logo.square.width(), logo.square.height()) +
         " fill='#ffffff' stroke='#ffffff' />");
    line("      <image " + rect(logo.image.x(), logo.image.y(), logo.image.width(), logo.image.height()) +
         " href='" + logoDataUrl(decoration.logo) + "' />");
    forEachAreaModule(symbol, quietZone, scale, logo.alignmentAreas, [&](int row, int column, int x, int y) {
      const std::string colour(moduleColour(symbol, decoration, row, column));
      line("      <rect " + rect(x, y, scale, scale) + " fill='" + colour + "' stroke='" + colour + "' />");
    });
    line("    </g>");
  }
  line("  </g>");
  line("</svg>");
  return svg;
}

std::string renderEps(const Symbol& symbol, int quietZone, int scale, const DateTime& created) {
  const int side = (symbol.size + 2 * quietZone) * scale;
  std::string eps;
  auto line = [&eps](const std::string& text) {
    eps += text;
    eps += kEnd;
  };
  line("%!PS-Adobe-3.0 EPSF-3.0");
  line("%%Creator: Orvosal QR 1.0");
  line("%%Title: qrcode");
  line("%%CreationDate: " + epsDate(created));
  line("%%BoundingBox: 0 0 " + number(side) + " " + number(side));
  line("%%DocumentData: Clean7Bit");
  line("%%EndComments");
  line("%%BeginProlog");
  line("/bd { bind def } bind def");
  line("/m { moveto } bd");
  line("/l { lineto } bd");
  line("/k { setcmykcolor } bd");
  line("/c { curveto } bd");
  line("/F { fill } bd");
  line("/f { closepath F } bd");
  line("/S { stroke } bd");
  line("/K { k S } bd");
  line("/*u { } bd");
  line("/*U { f } bd");
  line("%%EndProlog");
  line("%%BeginSetup");
  line("%%EndSetup");
  line("0.000 0.000 0.000 0.000 k");
  line("0 0 m");
  line(number(side) + " 0 l");
  line(number(side) + " " + number(side) + " l");
  line("0 " + number(side) + " l");
  line("f");
  line("0.000 0.000 0.000 1.000 k");
  // PostScript counts y upwards from the bottom edge.
  forEachDarkModule(symbol, quietZone, scale, [&](int, int, int x, int top) {
    const int y = side - top - scale;
    line(number(x) + " " + number(y) + " m");
    line(number(x + scale) + " " + number(y) + " l");
    line(number(x + scale) + " " + number(y + scale) + " l");
    line(number(x) + " " + number(y + scale) + " l");
    line("f");
  });
  line("%%Trailer");
  line("%%EOF");
  return eps;
}

}  // namespace orvosal::qr
