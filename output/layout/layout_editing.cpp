#include "output/layout/layout_editing.h"

#include <algorithm>
#include <cmath>

#include "output/layout/placeholder_scan.h"

namespace orvosal {

namespace {

constexpr double kMinimumElementSize = 1;
constexpr double kNewFieldWidth = 40;
constexpr double kNewFieldHeight = 5;

double roundToTenths(double millimetres) { return std::round(millimetres * 10) / 10; }

bool holdsLeft(DesignHandle handle) {
  return handle == DesignHandle::TopLeft || handle == DesignHandle::Left ||
         handle == DesignHandle::BottomLeft;
}
bool holdsRight(DesignHandle handle) {
  return handle == DesignHandle::TopRight || handle == DesignHandle::Right ||
         handle == DesignHandle::BottomRight;
}
bool holdsTop(DesignHandle handle) {
  return handle == DesignHandle::TopLeft || handle == DesignHandle::Top || handle == DesignHandle::TopRight;
}
bool holdsBottom(DesignHandle handle) {
  return handle == DesignHandle::BottomLeft || handle == DesignHandle::Bottom ||
         handle == DesignHandle::BottomRight;
}

// Moves one edge of a frame [start, start + size]; the other edge stays and the size keeps its
// minimum.
void moveStartEdge(double& start, double& size, double delta) {
  const double end = start + size;
  start = std::clamp(roundToTenths(start + delta), 0.0, end - kMinimumElementSize);
  size = roundToTenths(end - start);
}
void moveEndEdge(double& size, double delta) {
  size = std::max(kMinimumElementSize, roundToTenths(size + delta));
}

}  // namespace

void moveElement(Layout& layout, ElementRef ref, double dx, double dy) {
  LayoutElement& element = layout.bands[ref.band].elements[ref.element];
  element.x = std::max(0.0, roundToTenths(element.x + dx));
  element.y = std::max(0.0, roundToTenths(element.y + dy));
}

void resizeElement(Layout& layout, ElementRef ref, DesignHandle handle, double dx, double dy) {
  LayoutElement& element = layout.bands[ref.band].elements[ref.element];
  if (element.kind == LayoutElementKind::Line) {
    // A grip on the start side moves the start point, the end point staying where it is.
    if (holdsLeft(handle) || holdsTop(handle)) {
      element.x = roundToTenths(element.x + dx);
      element.y = roundToTenths(element.y + dy);
      element.width = roundToTenths(element.width - dx);
      element.height = roundToTenths(element.height - dy);
    } else if (holdsRight(handle) || holdsBottom(handle)) {
      element.width = roundToTenths(element.width + dx);
      element.height = roundToTenths(element.height + dy);
    }
    return;
  }
  if (holdsLeft(handle)) moveStartEdge(element.x, element.width, dx);
  if (holdsRight(handle)) moveEndEdge(element.width, dx);
  if (holdsTop(handle)) moveStartEdge(element.y, element.height, dy);
  if (holdsBottom(handle)) moveEndEdge(element.height, dy);
}

ElementRef addTextField(Layout& layout, int band, std::string_view name, double x, double y) {
  LayoutElement element;
  element.kind = LayoutElementKind::Text;
  element.x = std::max(0.0, roundToTenths(x));
  element.y = std::max(0.0, roundToTenths(y));
  element.width = kNewFieldWidth;
  element.height = kNewFieldHeight;
  element.text = placeholderText(name, {});
  auto& elements = layout.bands[band].elements;
  elements.push_back(std::move(element));
  return {band, static_cast<int>(elements.size()) - 1};
}

void removeElement(Layout& layout, ElementRef ref) {
  auto& elements = layout.bands[ref.band].elements;
  elements.erase(elements.begin() + ref.element);
}

std::optional<std::string> placeholderFormat(std::string_view text) {
  std::optional<std::string> first;
  rewritePlaceholders(text, [&first](std::string_view, std::string_view format) {
    if (!first) first = std::string(format);
    return std::string();
  });
  return first;
}

std::string withPlaceholderFormat(std::string_view text, std::string_view format) {
  bool done = false;
  return rewritePlaceholders(text, [&](std::string_view name, std::string_view own) {
    const std::string_view chosen = done ? own : format;
    done = true;
    return placeholderText(name, chosen);
  });
}

}  // namespace orvosal
