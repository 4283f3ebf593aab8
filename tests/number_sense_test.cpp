#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

TEST(NumberSenseSheet, VariantDecidesTitleRowShapeAndNumberOfDraws) {
  const std::pair<std::string, std::string> cases[] = {
      {"10", "AŞAĞIDAKİ SAYILARI EN YAKIN ONLUĞA YUVARLAYINIZ"},
      {"1E2", "AŞAĞIDAKİ SAYILARI EN YAKIN YÜZLÜĞE YUVARLAYINIZ"},  // numbers match as numbers
      {"TEKCIFT", "TEK OLANLARA SAYILARA TEK , ÇİFT OLANLARA ÇİFT YAZINIZ"},
      {"BUYUKESITKUCUK", "İFADELERİN ARASINA BÜYÜK(>),KÜÇÜK(<) veya EŞİT(=) YAZINIZ"},
      {"buyukesitkucuk", "Label1"},  // words match exactly; no match keeps the design title
  };
  // Draws 0, 0, 1, 1, 2, 2, ...: a comparing row keeps its two equal numbers.
  std::vector<float> script;
  for (int v = 0; v < 108; ++v) script.push_back(test::fractionThatDraws(v / 2, 1000));
  for (const auto& [variant, title] : cases) {
    SCOPED_TRACE(variant);
    const bool compares = variant == "BUYUKESITKUCUK";
    test::ScriptedFractions random(script);
    ParameterBlock block;
    block.set(Field::Label1, "3");
    block.set(Field::Label5, variant);
    const Page page = drawPage(PageKind::Form6, LoadContext{block, random, NumberText{","}});
    EXPECT_EQ(random.remaining(), compares ? 0u : 54u);
    EXPECT_EQ(page.text("Label1").caption, title);
    for (int i = 0; i < 54; ++i) {
      const std::string n = std::to_string(compares ? i : i / 2);
      ASSERT_EQ(page.text("Label2", i).caption + page.text("Label3", i).caption +
                    page.text("Label4", i).caption,
                compares ? n + "............" + n : n + "=..........");
    }
  }
}

// The bottom row reaches below the client area; what is shown and printed must hold it.
TEST(NumberSenseSheet, EveryRowLiesInsideTheDrawnArea) {
  const Page page = pageDefinition(PageKind::Form6).design();
  for (const TextField& field : page.texts) {
    ASSERT_LE(field.box.bottom(), page.drawnArea().bottom()) << field.name << field.index;
    ASSERT_LE(field.box.right(), page.drawnArea().right()) << field.name << field.index;
  }
}

}  // namespace
}  // namespace ws
