#include <charconv>

#include "output/layout/layout_file.h"
#include "output/layout/layout_tokens.h"

namespace orvosal {

namespace {

std::string lengthText(double value) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, error == std::errc() ? end : buffer);
}

const char* alignName(LayoutAlign align) {
  switch (align) {
    case LayoutAlign::Left:
      return "left";
    case LayoutAlign::Center:
      return "center";
    case LayoutAlign::Right:
      return "right";
  }
  return "left";
}

const char* bandKindName(LayoutBandKind kind) {
  switch (kind) {
    case LayoutBandKind::FirstHeader:
      return "first-header";
    case LayoutBandKind::PageHeader:
      return "page-header";
    case LayoutBandKind::Totals:
      return "totals";
    case LayoutBandKind::Closing:
      return "closing";
    case LayoutBandKind::PageFooter:
      return "page-footer";
    case LayoutBandKind::Label:
      return "label";
  }
  return "first-header";
}

// Collects one statement line; attributes are appended only when they differ from their default.
class Line {
 public:
  Line(std::string& out, int indent, std::string_view keyword) : out_(out) {
    out_.append(static_cast<std::size_t>(indent), ' ');
    out_ += keyword;
  }
  ~Line() { out_ += '\n'; }

  Line& text(std::string_view name, std::string_view value, bool always = false) {
    if (always || !value.empty()) append(name, quoteLayoutValue(value));
    return *this;
  }
  Line& length(std::string_view name, double value, double standard = 0, bool always = false) {
    if (always || value != standard) append(name, lengthText(value));
    return *this;
  }
  Line& flag(std::string_view name, bool value) {
    if (value) append(name, "ja");
    return *this;
  }
  Line& align(std::string_view name, LayoutAlign value) {
    if (value != LayoutAlign::Left) append(name, alignName(value));
    return *this;
  }
  Line& font(const LayoutFont& font, std::string_view familyName = "font", bool always = false) {
    text(familyName, font.family, always);
    length("size", font.size, 0, always);
    flag("bold", font.bold);
    flag("italic", font.italic);
    return flag("underline", font.underline);
  }

 private:
  void append(std::string_view name, std::string_view value) {
    out_ += ' ';
    out_ += name;
    out_ += '=';
    out_ += value;
  }
  std::string& out_;
};

void writeElement(std::string& out, const LayoutElement& element) {
  static constexpr const char* kKeywords[] = {"text", "image", "line", "box"};
  Line line(out, 2, kKeywords[static_cast<int>(element.kind)]);
  line.length("x", element.x, 0, true).length("y", element.y, 0, true);
  line.length("w", element.width, 0, true).length("h", element.height, 0, true);
  switch (element.kind) {
    case LayoutElementKind::Text:
      line.align("align", element.align).flag("grow", element.grow).text("color", element.color);
      line.font(element.font).text("when", element.when).text("text", element.text, true);
      break;
    case LayoutElementKind::Image:
      if (element.align != LayoutAlign::Center) line.text("align", alignName(element.align));
      line.text("when", element.when).text("source", element.text, true);
      break;
    case LayoutElementKind::Line:
    case LayoutElementKind::Box:
      line.length("width", element.lineWidth, LayoutElement{}.lineWidth).text("color", element.color);
      if (element.kind == LayoutElementKind::Box) line.text("fill", element.fill);
      line.text("when", element.when);
      break;
  }
}

void writeBand(std::string& out, const LayoutBand& band) {
  out += '\n';
  Line(out, 0, "band").text("kind", bandKindName(band.kind)).length("height", band.height);
  for (const LayoutElement& element : band.elements) writeElement(out, element);
}

void writeRow(std::string& out, std::string_view keyword, const LayoutRow& row) {
  {
    Line line(out, 2, keyword);
    line.text("when", row.when)
        .length("padding", row.padding, LayoutRow{}.padding)
        .flag("rule", row.ruleBelow);
    line.text("fill", row.fill).font(row.font);
  }
  for (const LayoutCell& cell : row.cells) {
    Line line(out, 4, "cell");
    line.text("column", cell.column, true).length("span", cell.span, 1);
    if (cell.align) line.text("align", alignName(*cell.align), true);
    line.font(cell.font).text("text", cell.text);
  }
}

void writeTable(std::string& out, const LayoutTable& table) {
  out += '\n';
  Line(out, 0, "table").length("gap", table.gapAbove);
  for (const LayoutColumn& column : table.columns) {
    Line(out, 2, "column")
        .text("name", column.name, true)
        .length("x", column.x, 0, true)
        .length("w", column.width, 0, true)
        .align("align", column.align);
  }
  if (!table.carrySum.empty()) Line(out, 2, "carry").text("sum", table.carrySum, true);
  if (table.header) writeRow(out, "header", *table.header);
  if (table.carryHead) writeRow(out, "carry-head", *table.carryHead);
  if (!table.pageBreakWhen.empty()) Line(out, 2, "page-break").text("when", table.pageBreakWhen, true);
  for (const LayoutRow& row : table.rows) writeRow(out, "row", row);
  if (table.carryFoot) writeRow(out, "carry-foot", *table.carryFoot);
}

void writeLabels(std::string& out, const LayoutLabelSheet& sheet) {
  out += '\n';
  Line(out, 0, "labels")
      .length("columns", sheet.columns, 0, true)
      .length("rows", sheet.rows, 0, true)
      .length("x", sheet.left)
      .length("y", sheet.top)
      .length("w", sheet.width, 0, true)
      .length("h", sheet.height, 0, true)
      .length("gap-x", sheet.gapX)
      .length("gap-y", sheet.gapY);
}

bool followsTable(LayoutBandKind kind) {
  return kind != LayoutBandKind::FirstHeader && kind != LayoutBandKind::PageHeader;
}

}  // namespace

std::string writeLayout(const Layout& layout) {
  std::string out;
  Line(out, 0, "layout").text("version", "1", true).text("title", layout.title);
  const LayoutPage page;
  Line(out, 0, "page")
      .text("size", layout.page.size, true)
      .text("orientation", layout.page.landscape ? "landscape" : "portrait", true)
      .length("margin-left", layout.page.marginLeft, page.marginLeft)
      .length("margin-top", layout.page.marginTop, page.marginTop)
      .length("margin-right", layout.page.marginRight, page.marginRight)
      .length("margin-bottom", layout.page.marginBottom, page.marginBottom);
  Line(out, 0, "font").font(layout.font, "family", true);
  if (layout.labels) writeLabels(out, *layout.labels);
  bool tableWritten = !layout.table;
  for (const LayoutBand& band : layout.bands) {
    if (!tableWritten && followsTable(band.kind)) {
      writeTable(out, *layout.table);
      tableWritten = true;
    }
    writeBand(out, band);
  }
  if (!tableWritten) writeTable(out, *layout.table);
  return out;
}

}  // namespace orvosal
