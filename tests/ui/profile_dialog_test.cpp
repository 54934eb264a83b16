// The building profile dialog (建物仕様), on its own and from the new-data dialog.
#include <QComboBox>
#include <QLineEdit>

#include "model/profile_store.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/dialogs/profile_dialog.h"
#include "ui/session_test_support.h"

namespace tvk::test {
namespace {

using ProfileDialogs = SessionFixture;
using F = ProfileField;

BuildingProfile SomeProfile() {
  BuildingProfile p;
  p.h1 = 3300;
  p.h2 = 2900;
  p.pitch = 4.5;
  p.roof = RoofChoice{RoofFinish::Custom, 820};
  p.wall = WallChoice{WallFinish::Mortar, 0};
  p.use = BuildingUse::Office;
  p.column[0] = ColumnSection{120, 105};
  return p;
}

TEST_F(ProfileDialogs, ShowsTheProfileAndGivesItBackUnchanged) {
  ProfileDialog dialog(SomeProfile(), 2, prompts);
  EXPECT_EQ(dialog.numberEdit(F::H1)->text(), "3300");
  EXPECT_EQ(dialog.numberEdit(F::Pitch)->text(), "4.5");
  EXPECT_EQ(dialog.choiceBox(F::Roof)->currentText(), "数値を入力");
  EXPECT_EQ(dialog.numberEdit(F::Roof)->text(), "820");
  EXPECT_TRUE(dialog.numberEdit(F::Roof)->isEnabled());
  EXPECT_EQ(dialog.choiceBox(F::Wall)->currentText(), "モルタル");
  EXPECT_FALSE(dialog.numberEdit(F::Wall)->isEnabled());
  EXPECT_EQ(dialog.choiceBox(F::Use)->currentText(), "事務所等");
  EXPECT_EQ(dialog.numberEdit(F::Use), nullptr);
  EXPECT_EQ(dialog.choiceBox(F::Solar)->currentText(), "未入力");
  EXPECT_EQ(dialog.numberEdit(F::Column1)->text(), "120x105");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.profile(), SomeProfile());
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(ProfileDialogs, TakesWhatIsTypedRoundedAndFullWidthDigitsAlike) {
  ProfileDialog dialog(BuildingProfile{}, 2, prompts);
  dialog.numberEdit(F::H1)->setText("３３００");
  dialog.numberEdit(F::Pitch)->setText("4.555");
  dialog.choiceBox(F::Roof)->setCurrentIndex(1);  // 瓦
  dialog.choiceBox(F::Wood)->setCurrentIndex(4);  // a number
  dialog.numberEdit(F::Wood)->setText("22.35");
  dialog.numberEdit(F::Column2)->setText("105");
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted) << (prompts.asked.empty() ? "" : prompts.asked.back());
  BuildingProfile expected;
  expected.h1 = 3300;
  expected.pitch = 4.56;
  expected.roof = RoofChoice{RoofFinish::Tile, 0};
  expected.wood = WoodChoice{ColumnWood::Custom, 22.4};
  expected.column[1] = ColumnSection{105, 105};
  EXPECT_EQ(dialog.profile(), expected);
}

TEST_F(ProfileDialogs, RefusesAFieldOutOfRangeNamingIt) {
  struct Case {
    F field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {F::H1, "9000", "１階の階高は、1500 ～ 6000 mm の範囲で入力してください。"},
      {F::Wind, "abc", "風圧力の係数は、数値 (cm/m²) で入力してください。"},
      {F::H2, "2800", "２階の階高を入力するときは、１階の階高も入力してください。"},
      {F::Roof, "", "屋根仕上げの数値 (N/m²) を入力してください。"},
  };
  for (const Case& c : cases) {
    ProfileDialog dialog(BuildingProfile{}, 2, prompts);
    if (c.field == F::Roof) dialog.choiceBox(F::Roof)->setCurrentIndex(4);
    dialog.numberEdit(c.field)->setText(c.text);
    prompts.asked.clear();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted) << c.text;
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0], c.message);
    EXPECT_EQ(dialog.profile(), BuildingProfile{});
  }
}

TEST_F(ProfileDialogs, OneStoreyBuildingHasNoStoreyTwoFields) {
  ProfileDialog dialog(BuildingProfile{}, 1, prompts);
  for (F field : {F::H2, F::Lw1, F::Lw2, F::WindAreaX2, F::WindAreaY2, F::Column2}) {
    EXPECT_FALSE(dialog.numberEdit(field)->isEnabled()) << FieldInfo(field).key;
  }
  EXPECT_TRUE(dialog.numberEdit(F::LwOneStorey)->isEnabled());
  dialog.numberEdit(F::H1)->setText("2900");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.profile().h1, 2900);
}

TEST_F(ProfileDialogs, NewBuildingTakesTheProfileOfTheNewDataDialog) {
  // A profile of the building open before must not pass to the new one.
  session.document.apply(ProfileCommand(SomeProfile()));
  ASSERT_EQ(ReadProfile(building()), SomeProfile());
  NewDataChoice choice;
  choice.profile.h1 = 3000;
  choice.profile.h2 = 3300;
  choice.profile.lw2 = 25;
  createNew(choice);
  EXPECT_EQ(ReadProfile(building()), choice.profile);
  EXPECT_EQ(building().Coord(1, 1, 3).z, 6.3f);
  choice.storeyOption = 0;  // one storey: what belongs to storey 2 is dropped
  createNew(choice);
  BuildingProfile oneStorey;
  oneStorey.h1 = 3000;
  EXPECT_EQ(ReadProfile(building()), oneStorey);
  createNew(NewDataChoice{});
  EXPECT_EQ(ReadProfile(building()), BuildingProfile{});
  EXPECT_EQ(building().Info.LevelHeight, (std::array<int32_t, 4>{}));
}

}  // namespace
}  // namespace tvk::test
