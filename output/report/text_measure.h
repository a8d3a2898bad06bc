#pragma once

#include <vector>

#include <QFont>
#include <QString>

#include "output/layout/layout.h"

namespace orvosal {

// The font of a text: the first family and size given from the innermost font outward, bold,
// italic and underline when any level asks for them.
QFont resolveFont(const LayoutFont& base, const LayoutFont& outer, const LayoutFont& inner = {});

// A text broken into the lines that fit `width` millimetres: at each "\n" and, within a
// paragraph, at word boundaries (inside a word when a word alone is too long). Measured as printed
// at 1200 dpi, so the preview and the PDF break alike.
std::vector<QString> wrapText(const QString& text, const QFont& font, double width);

// The distance between two lines of the font, in millimetres.
double lineHeight(const QFont& font);

}  // namespace orvosal
