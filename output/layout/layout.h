#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// A report layout as read from its text file (the format is described in output/README.md).
// Lengths are millimetres. An element's x is measured from the page's left edge, its y from the
// top of its band; a band's elements are drawn where the band lands on the page. Texts hold
// placeholders "{Name}" or "{Name|format}" that name a variable, a field of the current record
// (`Table.Column` or a plain name) or one of the engine's own values (`Seite`, `Seiten`,
// `Übertrag`, `Druckdatum`). Every part remembers the line of the file it came from, so that a
// fault found while printing can name it.

enum class LayoutAlign { Left, Center, Right };

// A font as the layout states it. Empty family and size 0 mean "as the layout's default font".
struct LayoutFont {
  std::string family;
  double size = 0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const LayoutFont&) const = default;
};

enum class LayoutElementKind { Text, Image, Line, Box };

struct LayoutElement {
  LayoutElementKind kind = LayoutElementKind::Text;
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;  // a line from (x, y) to (x + width, y + height)
  // Text: the text with placeholders ("\n" breaks the line). Image: the picture's file, usually
  // a placeholder naming a Picture variable such as "{Firma_Logo}".
  std::string text;
  LayoutFont font;
  // Text: the lines within the box. Image: the picture's place across the box; a centred picture
  // also stands in the middle vertically, one to the left or right at the top (as read, images
  // are centred unless the file says otherwise).
  LayoutAlign align = LayoutAlign::Left;
  // Text only: a longer text wraps and pushes the rest of its band down instead of being cut.
  bool grow = false;
  // Drawn only when this condition holds; empty: always (see output/README.md, "Bedingungen").
  std::string when;
  double lineWidth = 0.2;  // Line and Box: pen width
  std::string color;       // "#rrggbb"; empty: black
  std::string fill;        // Box: fill colour; empty: not filled
  int line = 0;
  bool operator==(const LayoutElement&) const = default;
};

enum class LayoutBandKind {
  FirstHeader,  // the top of the first page (the letterhead, address field, information block)
  PageHeader,   // the top of every further page
  Totals,       // after the last table row
  Closing,      // after the totals (closing text, greeting)
  PageFooter,   // the bottom of every page (company, bank and register details)
  Label,        // one label of a label sheet, repeated for every record
};

struct LayoutBand {
  LayoutBandKind kind = LayoutBandKind::FirstHeader;
  double height = 0;
  std::vector<LayoutElement> elements;
  int line = 0;
  bool operator==(const LayoutBand&) const = default;
};

// A column of the record table: where it lies across the page.
struct LayoutColumn {
  std::string name;
  double x = 0;
  double width = 0;
  LayoutAlign align = LayoutAlign::Left;
  int line = 0;
  bool operator==(const LayoutColumn&) const = default;
};

struct LayoutCell {
  std::string column;                // the name of the column the cell starts in
  int span = 1;                      // the number of columns it covers
  std::string text;                  // with placeholders; long texts wrap within the cell and the row grows
  std::optional<LayoutAlign> align;  // empty: the column's alignment
  LayoutFont font;
  int line = 0;
  bool operator==(const LayoutCell&) const = default;
};

// One form of a table row. The first row form whose condition holds prints a record; a record
// that no form takes prints nothing.
struct LayoutRow {
  std::string when;
  std::vector<LayoutCell> cells;
  LayoutFont font;
  double padding = 0.8;    // space above and below the row's text
  bool ruleBelow = false;  // a thin line under the row
  std::string fill;        // background colour of the row; empty: none
  int line = 0;
  bool operator==(const LayoutRow&) const = default;
};

// The record table: it runs from below the page's header band down to the page footer and breaks
// across pages. The header row is repeated at the top of every page. With a carried sum, the
// running total of that field over the rows printed so far is shown as `{Übertrag}` in the
// foot row at the bottom of a full page and in the head row at the top of the next.
struct LayoutTable {
  double gapAbove = 0;  // space between the header band and the table
  std::vector<LayoutColumn> columns;
  std::optional<LayoutRow> header;
  std::vector<LayoutRow> rows;
  std::string pageBreakWhen;  // a record for which this holds starts a new page and prints nothing
  std::string carrySum;       // the field summed for the carried-forward subtotal; empty: none
  std::optional<LayoutRow> carryFoot;
  std::optional<LayoutRow> carryHead;
  int line = 0;
  bool operator==(const LayoutTable&) const = default;
};

// The sheet of a label layout: one Label band per record, filled row by row.
struct LayoutLabelSheet {
  int columns = 1;
  int rows = 1;
  double left = 0;  // the first label's top left corner
  double top = 0;
  double width = 0;  // one label
  double height = 0;
  double gapX = 0;
  double gapY = 0;
  int line = 0;
  bool operator==(const LayoutLabelSheet&) const = default;
};

struct LayoutPage {
  std::string size = "A4";  // A4, A5, A6, Letter, or "<width>x<height>" in mm
  bool landscape = false;
  double marginLeft = 25;
  double marginTop = 10;
  double marginRight = 20;
  double marginBottom = 10;
  bool operator==(const LayoutPage&) const = default;
};

struct Layout {
  std::string title;
  LayoutPage page;
  LayoutFont font{"Liberation Sans", 10};
  std::vector<LayoutBand> bands;
  std::optional<LayoutTable> table;
  std::optional<LayoutLabelSheet> labels;
  bool operator==(const Layout&) const = default;

  // The band of that kind, if the layout has one.
  const LayoutBand* band(LayoutBandKind kind) const;
  // True when any text, condition, cell or carried sum of the layout names `name` (compared
  // without regard to case); the print routines define costly variables only when asked for.
  bool uses(std::string_view name) const;
};

// A fault that stops a layout from being read: the file, the line (1-based; 0 when the file as a
// whole is the fault) and what is wrong, in German.
struct LayoutFault {
  std::filesystem::path file;
  int line = 0;
  std::string fault;
  // "Fehler im Formular Rechnung.lst, Zeile 12: Unbekanntes Attribut „widht“"
  std::string message() const;
};

}  // namespace orvosal
