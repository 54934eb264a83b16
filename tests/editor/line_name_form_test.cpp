// The grid line name dialog: opening state, scheme choice, what "O K" stores.

#include <gtest/gtest.h>

#include "editor/document.h"
#include "editor/line_name_form.h"
#include "model/default_settings.h"
#include "model/line_names.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

TEST(LineNameForm, OpensWithTheChosenSchemesBox) {
  const LineNameAxisForm unset = OpenLineNameAxis({0, 7, 1});
  EXPECT_EQ(unset.scheme, 1);
  EXPECT_EQ(unset.startText, (std::array<std::string, 2>{"1", ""}));
  EXPECT_EQ(unset.startEnabled, (std::array<bool, 2>{true, false}));
  EXPECT_TRUE(unset.reverse);

  const LineNameAxisForm numbers = OpenLineNameAxis({4, 5, 0});
  EXPECT_EQ(numbers.startText, (std::array<std::string, 2>{"", "5"}));
  EXPECT_EQ(numbers.startEnabled, (std::array<bool, 2>{false, true}));

  const LineNameAxisForm kana = OpenLineNameAxis({2, 3, 0});
  EXPECT_EQ(kana.startEnabled, (std::array<bool, 2>{false, false}));
  EXPECT_EQ(kana.startText, (std::array<std::string, 2>{"", ""}));
}

TEST(LineNameForm, ChoosingASchemeSwitchesTheBoxes) {
  LineNameAxisForm form = OpenLineNameAxis({1, 3, 0});
  ChooseLineScheme(form, 4);
  EXPECT_EQ(form.startEnabled, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(form.startText[1], "1");  // filled in when empty
  EXPECT_EQ(form.startText[0], "3");
  ChooseLineScheme(form, 3);
  EXPECT_EQ(form.startEnabled, (std::array<bool, 2>{false, false}));
}

struct AcceptCase {
  int scheme;
  const char* text1;
  const char* text4;
  int start;
};

TEST(LineNameForm, StartNumberIsTheRoundedValueOfTheBox) {
  const AcceptCase cases[] = {
      {1, "5", "", 5},    {1, "2.6", "", 3}, {1, "abc", "", 0},
      {4, "9", "12", 12}, {2, "9", "12", 8},  // schemes 2 and 3 keep the previous start
  };
  for (const auto& c : cases) {
    LineNameAxisForm form;
    form.scheme = c.scheme;
    form.startText = {c.text1, c.text4};
    EXPECT_EQ(AcceptLineNameAxis(form, 8).start, c.start) << c.scheme << " " << c.text1;
  }
}

TEST(LineNameForm, OkStoresBothAxesAndDefaultsCanTakeThem) {
  test::PlanBuilder plan(2, 4, 4);
  LineNameAxisForm x = OpenLineNameAxis(LineNameAxisOf(plan.b, Dir::X));
  LineNameAxisForm y = OpenLineNameAxis(LineNameAxisOf(plan.b, Dir::Y));
  ChooseLineScheme(x, 4);
  x.startText[1] = "10";
  ChooseLineScheme(y, 3);
  y.reverse = true;
  Document doc(plan.b);
  doc.apply(LineNameDialogCommand(doc.building(), x, y));
  EXPECT_EQ(LineNameAxisOf(doc.building(), Dir::X), (LineNameAxis{4, 10, 0}));
  EXPECT_EQ(LineNameAxisOf(doc.building(), Dir::Y), (LineNameAxis{3, 1, 1}));
  EXPECT_EQ(doc.building().LineNameX(1), AxisLineNames(4, 2, 4, 10, false, "X")[0]);  // generated afresh
  EXPECT_TRUE(doc.modified());

  DefaultSettings defaults;
  StoreLineNameDefaults(defaults, doc.building(), x, y);
  EXPECT_EQ(defaults.DefLineStyleX, 4);
  EXPECT_EQ(defaults.DefLineStartX, 10);
  EXPECT_EQ(defaults.DefLineReverseY, 1);
}

}  // namespace
}  // namespace tvk
