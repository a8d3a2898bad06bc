#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/layout/layout.h"
#include "output/layout/layout_design_sheet.h"

namespace orvosal {

// Editing operations of the layout designer on the layout model. Positions are rounded to
// 0.1 mm, so that the saved file stays easy to read and to edit by hand.

// Moves the element by (dx, dy) millimetres; it stays inside its band's left and top edge.
void moveElement(Layout& layout, ElementRef ref, double dx, double dy);

// Drags one grip of the element's frame by (dx, dy): the edges the grip holds follow. A text, box
// or image keeps at least 1 mm in either direction; a line's grips move its start or end point.
void resizeElement(Layout& layout, ElementRef ref, DesignHandle handle, double dx, double dy);

// Adds a text field showing the value of `name` ("{name}") at (x, y) of the band; answers it.
ElementRef addTextField(Layout& layout, int band, std::string_view name, double x, double y);

void removeElement(Layout& layout, ElementRef ref);

// The format of the text's first placeholder ("" when it has none); nullopt when the text holds
// no placeholder.
std::optional<std::string> placeholderFormat(std::string_view text);

// The text with the format of its first placeholder replaced ("" removes it); a text without a
// placeholder is answered unchanged.
std::string withPlaceholderFormat(std::string_view text, std::string_view format);

}  // namespace orvosal
