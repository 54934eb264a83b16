// End-to-end: the voln-tvk executable's profile sub-command, and the storey heights as
// calc --json reports them.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/model_test_util.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "support/command_run.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::CommandRun;
using test::PlanBuilder;
using test::ShellQuoted;

class ProfileCommand : public testing::Test {
 protected:
  std::string Save(Building& b, const std::string& name = "plan.TVK") {
    const FileResult saved = SaveProject(b, dir_.file(name));
    EXPECT_TRUE(saved.ok) << saved.message;
    return dir_.file(name);
  }
  CommandRun Run(const std::string& command, const std::string& path, const std::string& rest = "") {
    return test::RunCommand(TVK_BINARY, command + " " + ShellQuoted(path) + " " + rest, dir_.path());
  }
  QJsonObject CalcJson(const std::string& path) {
    const CommandRun run = Run("calc", path, "--json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }

  test::ScratchDir dir_;
};

// The published check's column: a one-storey corner column with A = 2.5 along X.
Building CornerColumnPlan() {
  PlanBuilder p(1, 2, 2);
  p.Floor(1, 1, 1, 2, 2).Column(1, 1, 1).Sheathing(1, Dir::X, 1, 1, 1, 5);
  return p.b;
}

// A storey-1 column under a storey-2 column, both with walls along X.
Building TwoStoreyPlan() {
  PlanBuilder p(2, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Floor(2, 1, 1, 4, 4).Column(3, 3, 1).Column(3, 3, 2).Column(1, 1, 1).Column(1, 1, 2);
  p.Sheathing(1, Dir::X, 3, 3, 1, 4).Sheathing(2, Dir::X, 3, 3, 1, 3).Sheathing(2, Dir::Y, 1, 1, 2, 5);
  return p.b;
}

TEST_F(ProfileCommand, PrintsSetsAndClearsFields) {
  Building plan = TwoStoreyPlan();
  const std::string path = Save(plan);
  const std::string before = test::ReadBytes(path);
  CommandRun run = Run("profile", path);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, 30), "h1=\nh2=\nrise=\neaves=\npitch=\nro");
  EXPECT_EQ(test::ReadBytes(path), before);  // printing never writes

  run = Run("profile", path, "h1=3300 h2=2950.4 pitch=4.555 roof=slate 'column1=120x105' c0=0.30");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("h1=3300\nh2=2950\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\npitch=4.56\nroof=slate\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nc0=0.3\n"), std::string::npos) << run.out;
  Building read;
  ASSERT_TRUE(LoadProject(read, path).ok);
  const BuildingProfile profile = ReadProfile(read);
  EXPECT_EQ(profile.h1, 3300);
  EXPECT_EQ(profile.h2, 2950);
  EXPECT_EQ(profile.pitch, 4.56);
  EXPECT_EQ(profile.roof, (RoofChoice{RoofFinish::Slate, 0}));
  EXPECT_EQ(profile.column[0], (ColumnSection{120, 105}));
  EXPECT_EQ(profile.c0, 0.3);
  EXPECT_EQ(read.Info.LevelHeight, (std::array<int32_t, 4>{0, 3300, 6250, 0}));

  run = Run("profile", path, "pitch= roof=");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_TRUE(LoadProject(read, path).ok);
  EXPECT_FALSE(ReadProfile(read).pitch.has_value());
  EXPECT_FALSE(ReadProfile(read).roof.has_value());
  EXPECT_EQ(ReadProfile(read).h1, 3300);
}

TEST_F(ProfileCommand, BadAssignmentsExitTwoNamingThemAndLeaveTheFile) {
  Building one = CornerColumnPlan();
  const std::string onePath = Save(one, "one.TVK");
  Building two = TwoStoreyPlan();
  const std::string twoPath = Save(two, "two.TVK");
  struct Case {
    const std::string* path;
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {&twoPath, "h1=3300 height=3", "voln-tvk profile: unknown key height\n"},
      {&twoPath, "h1", "voln-tvk profile: h1: KEY=VALUE expected\n"},
      {&twoPath, "h1=3300 h2=abc",
       "voln-tvk profile: bad value h2=abc: ２階の階高は、数値 (mm) で入力してください。\n"},
      {&twoPath, "h1=9000",
       "voln-tvk profile: bad value h1=9000: １階の階高は、1500 ～ 6000 mm の範囲で入力してください。"},
      {&twoPath, "h2=2900", "voln-tvk profile: h2: ２階の階高を入力するときは、１階の階高も入力してください。\n"},
      {&twoPath, "roof=straw", "voln-tvk profile: bad value roof=straw: 屋根仕上げは、tile / slate / metal"},
      {&onePath, "h1=3300 lw2=25", "voln-tvk profile: lw2: 必要壁量 Lw (２階建ての２階)は、２階建ての場合にだけ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string before = test::ReadBytes(*c.path);
    const CommandRun run = Run("profile", *c.path, c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(test::ReadBytes(*c.path), before);
  }
  // The key list comes with an unknown key.
  const CommandRun unknown = Run("profile", twoPath, "H1=3300");
  EXPECT_NE(unknown.err.find("  wood                柱の樹種: sugi|sugi2|e95|N/mm²\n"), std::string::npos)
      << unknown.err;
  // A file that is not a project is refused, usage errors exit 2.
  test::WriteBytes(dir_.file("notes.TVK"), "hello");
  EXPECT_EQ(Run("profile", dir_.file("notes.TVK"), "h1=3300").exitCode, 1);
  EXPECT_EQ(test::RunCommand(TVK_BINARY, "profile", dir_.path()).exitCode, 2);
}

// rules-2025.md §1: 2.5 x 0.8 x 3.3/2.7 - 0.4 = 2.044 -> (と), through the batch commands.
TEST_F(ProfileCommand, PublishedCheckHoldsThroughCalcJson) {
  Building plan = CornerColumnPlan();
  const std::string path = Save(plan);
  ASSERT_EQ(Run("profile", path, "h1=3300").exitCode, 0);
  const QJsonObject json = CalcJson(path);
  const QJsonObject heights = json["building"]["heights"].toObject();
  EXPECT_EQ(static_cast<float>(heights["storey1"].toDouble()), 3.3f);
  EXPECT_TRUE(heights["storey2"].isNull());
  const QJsonObject column = json["columns"][0].toObject();
  const QJsonObject x = column["x"].toObject();
  EXPECT_EQ(static_cast<float>(x["a"].toDouble()), 2.5f);
  EXPECT_EQ(static_cast<float>(x["height_factor"].toDouble()), static_cast<float>(3300 / 2700.0));
  EXPECT_NEAR(x["n"].toDouble(), 2.0444444, 1e-6);
  EXPECT_EQ(static_cast<float>(column["l"].toDouble()), 0.4f);
  EXPECT_EQ(column["grade"].toString().toStdString(), "(と)");
}

// The storey factors per column: storey 1 below 3.2 m, storey 2 above it.
TEST_F(ProfileCommand, CalcJsonGivesEachColumnItsStoreysFactor) {
  Building plan = TwoStoreyPlan();
  const std::string path = Save(plan);
  ASSERT_EQ(Run("profile", path, "h1=3000 h2=3300").exitCode, 0);
  const QJsonObject json = CalcJson(path);
  EXPECT_EQ(static_cast<float>(json["building"]["heights"]["storey2"].toDouble()), 3.3f);
  for (const QJsonValue& value : json["columns"].toArray()) {
    const QJsonObject c = value.toObject();
    const float expected = c["storey"].toInt() == 2 ? static_cast<float>(3300 / 2700.0) : 1.0f;
    for (const char* d : {"x", "y"}) EXPECT_EQ(static_cast<float>(c[d]["height_factor"].toDouble()), expected);
    if (c["storey"].toInt() == 1 && c["i"].toInt() == 3) {
      // 1.5 x 0.5 x 3.3/2.7 + 2.0 x 0.5 - 1.6
      EXPECT_NEAR(c["x"]["n"].toDouble(), 0.3166667, 1e-6);
    }
  }
}

// Remove the keys the heights brought, and the checks that read the profile, leaving the
// N values and eccentricity as the JSON held them before.
QJsonObject WithoutHeightKeys(QJsonObject json) {
  for (const char* check : {"wall_quantity", "quarters", "column_size"}) json.remove(check);
  QJsonObject building = json["building"].toObject();
  building.remove("heights");
  json["building"] = building;
  QJsonArray columns;
  for (const QJsonValue& value : json["columns"].toArray()) {
    QJsonObject c = value.toObject();
    for (const char* d : {"x", "y"}) {
      QJsonObject dir = c[d].toObject();
      EXPECT_EQ(dir["height_factor"].toDouble(), 1.0);
      dir.remove("height_factor");
      c[d] = dir;
    }
    columns.append(c);
  }
  json["columns"] = columns;
  return json;
}

TEST_F(ProfileCommand, HeightsOfThreePointTwoMetresOrLessChangeNoResult) {
  Building plan = TwoStoreyPlan();
  const std::string path = Save(plan);
  const QJsonObject plain = CalcJson(path);
  EXPECT_TRUE(plain["building"]["heights"]["storey1"].isNull());
  ASSERT_EQ(Run("profile", path, "h1=3200 h2=2900 roof=tile").exitCode, 0);
  const QJsonObject low = CalcJson(path);
  EXPECT_EQ(WithoutHeightKeys(plain), WithoutHeightKeys(low));
}

}  // namespace
}  // namespace tvk
