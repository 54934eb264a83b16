// The building profile as key=value text: what each field accepts, how a value is rounded
// to what the file keeps, and the checks across fields.

#include <gtest/gtest.h>

#include "model/profile_text.h"

namespace tvk {
namespace {

struct TextCase {
  ProfileField field;
  const char* input;
  const char* stored;        // FieldText afterwards; nullptr: refused
  const char* message = "";  // part of the refusal
};

class FieldInput : public testing::TestWithParam<TextCase> {};

TEST_P(FieldInput, IsStoredAtTheFieldsResolutionOrRefused) {
  const TextCase& c = GetParam();
  BuildingProfile profile;
  profile.h1 = 2900;  // untouched by every other field
  const std::optional<std::string> refused = SetFieldText(profile, c.field, c.input);
  if (c.stored == nullptr) {
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->find(c.message), std::string::npos) << *refused;
    BuildingProfile untouched;
    untouched.h1 = 2900;
    EXPECT_EQ(profile, untouched);
    return;
  }
  ASSERT_FALSE(refused.has_value()) << *refused;
  EXPECT_EQ(FieldText(profile, c.field), c.stored);
  // What is printed reads back to the same profile.
  BuildingProfile again = profile;
  ASSERT_FALSE(SetFieldText(again, c.field, FieldText(profile, c.field)).has_value());
  EXPECT_EQ(again, profile);
}

using F = ProfileField;

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldInput,
    testing::Values(
        TextCase{F::H2, "3300", "3300"}, TextCase{F::H2, " 2900 ", "2900"}, TextCase{F::H2, "3300.4", "3300"},
        TextCase{F::H2, "3300.5", "3301"}, TextCase{F::H2, "1500", "1500"}, TextCase{F::H2, "6000", "6000"},
        TextCase{F::H2, "1499", nullptr, "２階の階高は、1500 ～ 6000 mm の範囲"},
        TextCase{F::H2, "6000.5", nullptr, "1500 ～ 6000 mm"}, TextCase{F::H2, "-3000", nullptr, "1500 ～ 6000 mm"},
        TextCase{F::H2, "abc", nullptr, "数値 (mm)"}, TextCase{F::H2, "3e3", nullptr, "数値"},
        TextCase{F::H2, "99999999999999", nullptr, "1500 ～ 6000"}, TextCase{F::Rise, "0", "0"},
        TextCase{F::Eaves, "3000", "3000"}, TextCase{F::Pitch, "4.5", "4.5"}, TextCase{F::Pitch, "4.555", "4.56"},
        TextCase{F::Pitch, "4.545", "4.55"}, TextCase{F::Pitch, ".5", "0.5"}, TextCase{F::Pitch, "20.004", "20"},
        TextCase{F::Pitch, "20.005", nullptr, "0 ～ 20 寸"}, TextCase{F::Roof, "slate", "slate"},
        TextCase{F::Roof, "tile", "tile"}, TextCase{F::Roof, "820", "820"},
        TextCase{F::Roof, "0", nullptr, "屋根仕上げの数値は、1 ～ 9999 N/m²"},
        TextCase{F::Roof, "tiles", nullptr, "tile / slate / metal または数値 (N/m²)"},
        TextCase{F::Solar, "none", "none"}, TextCase{F::Solar, "standard", "standard"},
        TextCase{F::Solar, "350.4", "350"}, TextCase{F::CeilingInsulation, "0", "0"},
        TextCase{F::Wall, "earthen", "earthen"}, TextCase{F::Wall, "board", "board"}, TextCase{F::Wall, "1200", "1200"},
        TextCase{F::WallInsulation, "1001", nullptr, "0 ～ 1000 N/m²"}, TextCase{F::Use, "office", "office"},
        TextCase{F::Use, "1", nullptr, "house / office のいずれか"}, TextCase{F::C0, "0.3", "0.3"},
        TextCase{F::C0, "0.20", "0.2"}, TextCase{F::C0, "0.25", nullptr, "0.2 / 0.3 のいずれか"},
        TextCase{F::Wind, "62.5", "62.5"}, TextCase{F::Wind, "75", "75"},
        TextCase{F::Wind, "49.94", nullptr, "50 ～ 75 cm/m²"}, TextCase{F::Lw1, "44", "44"},
        TextCase{F::LwOneStorey, "0", nullptr, "1 ～ 200"}, TextCase{F::WindAreaX1, "30.125", "30.13"},
        TextCase{F::WindAreaY2, "0", "0"}, TextCase{F::Wood, "e95", "e95"}, TextCase{F::Wood, "sugi2", "sugi2"},
        TextCase{F::Wood, "22.35", "22.4"}, TextCase{F::Wood, "0.04", nullptr, "1 ～ 99.9 N/mm²"},
        TextCase{F::Column1, "105", "105"}, TextCase{F::Column1, "120x105", "120x105"},
        TextCase{F::Column1, "120X120", "120"}, TextCase{F::Column1, "120×105", "120x105"},
        TextCase{F::Column1, "120x40", nullptr, "各辺は、60 ～ 500 mm"},
        TextCase{F::Column1, "120x", nullptr, "105 または 120x105"}, TextCase{F::H2, "", ""},
        TextCase{F::Roof, "", ""}));

TEST(ProfileCheck, HeightsAndStoreyTwoFieldsFollowTheBuilding) {
  BuildingProfile p;
  p.h2 = 2800;
  std::optional<ProfileError> error = CheckProfile(p, 2);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->field, ProfileField::H2);
  EXPECT_EQ(error->message, "２階の階高を入力するときは、１階の階高も入力してください。");
  p.h1 = 2900;
  EXPECT_FALSE(CheckProfile(p, 2).has_value());
  for (ProfileField field : {ProfileField::H2, ProfileField::Lw1, ProfileField::Column2, ProfileField::WindAreaY2}) {
    BuildingProfile one;
    const char* text = field == ProfileField::H2 ? "2800" : (field == ProfileField::Column2 ? "105" : "30");
    ASSERT_FALSE(SetFieldText(one, field, text).has_value());
    if (field == ProfileField::H2) one.h1 = 2900;
    error = CheckProfile(one, 1);
    ASSERT_TRUE(error.has_value()) << FieldInfo(field).key;
    EXPECT_EQ(error->field, field);
    EXPECT_NE(error->message.find("２階建ての場合にだけ入力できます"), std::string::npos);
    EXPECT_FALSE(CheckProfile(WithoutUpperStorey(one), 1).has_value());
  }
  p.pitch = 25;  // a value set around the text checks is caught as well
  EXPECT_EQ(CheckProfile(p, 2)->field, ProfileField::Pitch);
}

TEST(ProfileTextLines, ListEveryFieldOfTheBuildingInOrder) {
  BuildingProfile p;
  p.h1 = 3300;
  p.roof = RoofChoice{RoofFinish::Custom, 820};
  p.column[0] = ColumnSection{120, 105};
  const std::string one = ProfileText(p, 1);
  EXPECT_EQ(one,
            "h1=3300\nrise=\neaves=\npitch=\nroof=820\npv=\nceiling_insulation=\nwall=\nwall_insulation=\nuse=\n"
            "c0=\nwind=\nlw_one=\nwind_area_x1=\nwind_area_y1=\nwood=\ncolumn1=120x105\nclear1=\n");
  const std::string two = ProfileText(p, 2);
  EXPECT_EQ(two.substr(0, 12), "h1=3300\nh2=\n");
  EXPECT_NE(two.find("\nlw1=\nlw2=\nlw_one=\nwind_area_x1=\nwind_area_y1=\nwind_area_x2=\nwind_area_y2=\n"),
            std::string::npos);
  EXPECT_NE(two.find("\ncolumn1=120x105\ncolumn2=\n"), std::string::npos);
}

TEST(ProfileTextLines, KeysAreUniqueAndFound) {
  for (const ProfileFieldInfo& info : AllProfileFields()) {
    const ProfileFieldInfo* found = FindProfileField(info.key);
    ASSERT_NE(found, nullptr) << info.key;
    EXPECT_EQ(found->id, info.id);
    EXPECT_EQ(&FieldInfo(info.id), &info);
  }
  EXPECT_EQ(FindProfileField("H1"), nullptr);
  EXPECT_EQ(FindProfileField("height"), nullptr);
}

}  // namespace
}  // namespace tvk
