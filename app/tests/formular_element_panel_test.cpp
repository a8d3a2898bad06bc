#include "app/formular_element_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>

namespace orvosal {
namespace {

// A picture shows and takes its alignment; the font fields, which it does not use, are closed.
TEST(FormularElementPanel, PictureOffersOnlyItsAlignment) {
  FormularElementPanel panel;
  auto* align = panel.findChild<QComboBox*>("propAlign");
  ASSERT_NE(align, nullptr);
  const struct {
    LayoutElementKind kind;
    LayoutAlign align;
    bool fontFields;
  } cases[] = {{LayoutElementKind::Image, LayoutAlign::Center, false},
               {LayoutElementKind::Image, LayoutAlign::Right, false},
               {LayoutElementKind::Text, LayoutAlign::Left, true}};
  for (const auto& c : cases) {
    LayoutElement element;
    element.kind = c.kind;
    element.align = c.align;
    element.text = "{Firma_Logo}";
    panel.load(&element, {});
    EXPECT_EQ(align->currentIndex(), static_cast<int>(c.align));
    EXPECT_TRUE(align->isEnabled());
    EXPECT_EQ(panel.findChild<QFontComboBox*>("propFont")->isEnabled(), c.fontFields);
    EXPECT_EQ(panel.findChild<QDoubleSpinBox*>("propSize")->isEnabled(), c.fontFields);
    EXPECT_EQ(panel.findChild<QCheckBox*>("propBold")->isEnabled(), c.fontFields);
    EXPECT_EQ(panel.findChild<QCheckBox*>("propItalic")->isEnabled(), c.fontFields);

    align->setCurrentIndex(static_cast<int>(LayoutAlign::Left));
    panel.store(element, {});
    EXPECT_EQ(element.align, LayoutAlign::Left);
    EXPECT_EQ(element.kind, c.kind);
  }
}

}  // namespace
}  // namespace orvosal
