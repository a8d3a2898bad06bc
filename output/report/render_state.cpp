#include "output/report/render_state.h"

#include <QString>

namespace orvosal {

namespace {

void shiftPrimitive(PagePrimitive& primitive, QPointF offset) {
  if (auto* text = std::get_if<PlacedText>(&primitive)) {
    text->box.translate(offset);
  } else if (auto* line = std::get_if<PlacedLine>(&primitive)) {
    line->line.translate(offset);
  } else if (auto* box = std::get_if<PlacedBox>(&primitive)) {
    box->box.translate(offset);
  } else if (auto* image = std::get_if<PlacedImage>(&primitive)) {
    image->box.translate(offset);
  }
}

}  // namespace

void RenderState::noteFault(const ReportTextContext& context, int line) {
  if (!fault && context.fault()) fault = LayoutFault{{}, line, *context.fault()};
}

std::shared_ptr<const QImage> RenderState::picture(const std::string& path) {
  auto found = pictures.find(path);
  if (found != pictures.end()) return found->second;
  auto image = std::make_shared<QImage>(QString::fromStdString(path));
  std::shared_ptr<const QImage> loaded = image->isNull() ? nullptr : std::move(image);
  pictures.emplace(path, loaded);
  return loaded;
}

void placeBlock(PagePlan& page, PlacedBlock block, double dx, double dy) {
  for (PagePrimitive& primitive : block.primitives) {
    shiftPrimitive(primitive, QPointF(dx, dy));
    page.primitives.push_back(std::move(primitive));
  }
}

}  // namespace orvosal
