// End-to-end: the voln-tvk executable's calc sub-command on small project files.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/calc_json.h"
#include "engine/eccentricity.h"
#include "engine/full_calculation.h"
#include "model/model_test_util.h"
#include "model/project_file.h"
#include "support/command_run.h"
#include "support/grid_print.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::CommandRun;
using test::PlanBuilder;
using test::ShellQuoted;

class CalcCommand : public testing::Test {
 protected:
  // Saves the plan as a project file and returns its path.
  std::string Save(Building& b, const std::string& name = "plan.TVK") {
    const FileResult saved = SaveProject(b, dir_.file(name));
    EXPECT_TRUE(saved.ok) << saved.message;
    return dir_.file(name);
  }
  CommandRun Calc(const std::string& arguments) {
    return test::RunCommand(TVK_BINARY, "calc " + arguments, dir_.path());
  }
  QJsonObject CalcJson(const std::string& path, const std::string& options = "") {
    const CommandRun run = Calc(ShellQuoted(path) + " --json " + options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
  }

  test::ScratchDir dir_;
};

// Two storeys with a beam-end transmission, an orthogonal-beam share that misses a column,
// braces, floors and a through column.
Building TransmittingPlan() {
  PlanBuilder p(2, 6, 4, 1, 0.91f);
  p.b.Info.BuildingName = "テスト邸 \"A\"";
  p.Floor(1, 1, 1, 6, 4).Floor(2, 1, 1, 4, 4);
  p.Column(1, 1, 1).Column(5, 1, 1).Beam(2, Dir::X, 1, 1, 4);
  p.Column(2, 1, 2).Sheathing(2, Dir::X, 2, 1, 1, 3);
  p.Column(1, 2, 1).Beam(2, Dir::X, 1, 2, 4).Beam(2, Dir::Y, 5, 1, 3);
  p.Column(3, 2, 2).Sheathing(2, Dir::X, 3, 2, 1, 3);
  p.ThroughColumn(1, 4).Brace(1, Dir::X, 1, 4, 2, 3, test::kRisesToLower).Sheathing(1, Dir::Y, 1, 3, 1, 4);
  for (int i = 1; i <= 7; ++i) p.b.Settings.LineNamesX[static_cast<size_t>(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= 5; ++j) p.b.Settings.LineNamesY[static_cast<size_t>(j - 1)] = "い" + std::to_string(j);
  return p.b;
}

float F(const QJsonValue& v) { return static_cast<float>(v.toDouble()); }

TEST_F(CalcCommand, JsonCarriesEveryResultExactly) {
  Building plan = TransmittingPlan();
  const std::string path = Save(plan);
  const QJsonObject json = CalcJson(path);

  Building b;
  ASSERT_TRUE(LoadProject(b, path).ok);
  const CalcResults calc = RunFullCalculation(b, false);

  EXPECT_EQ(json["version"].toString().left(4), "Ver.");
  const QJsonObject building = json["building"].toObject();
  EXPECT_EQ(building["name"].toString().toStdString(), "テスト邸 \"A\"");
  EXPECT_EQ(building["storeys"].toInt(), 2);
  EXPECT_EQ(building["spans"].toArray(), (QJsonArray{6, 4}));
  EXPECT_EQ(building["divisions"].toInt(), 1);
  EXPECT_EQ(F(building["pitch"]), 0.91f);
  EXPECT_TRUE(json["not_transmitted"].toBool());

  const QJsonArray storeys = json["storeys"].toArray();
  ASSERT_EQ(storeys.size(), 2);
  for (int s = 1; s <= 2; ++s) {
    const QJsonObject storey = storeys[s - 1].toObject();
    const StoreyBalance& bal = calc.Storey(s).balance;
    EXPECT_EQ(storey["storey"].toInt(), s);
    EXPECT_EQ(storey["columns"].toInt(), calc.Storey(s).columns);
    const QJsonObject ecc = storey["eccentricity"].toObject();
    EXPECT_EQ(F(ecc["gravity"]["x"]), bal.Gravity[Dir::Y]);
    EXPECT_EQ(F(ecc["gravity"]["y"]), bal.Gravity[Dir::X]);
    EXPECT_EQ(F(ecc["rigidity"]["x"]), bal.Rigidity[Dir::Y]);
    for (const Dir d : kDirs) {
      const QJsonValue ratio = ecc["ratio"].toObject()[d == Dir::X ? "x" : "y"];
      EXPECT_EQ(ratio.isNull(), !HasRatio(bal, d)) << s << " " << d;
      if (HasRatio(bal, d)) {
        EXPECT_EQ(F(ratio), bal.EccRatio[d]);
      }
    }
    EXPECT_EQ(F(ecc["stiffness"]["y"]), bal.Stiffness[Dir::Y]);
    EXPECT_EQ(F(ecc["elastic_radius"]["y"]), bal.ElasticRadius[Dir::Y]);
  }

  // Storey 1 has its walls on one line per direction and cannot resist torsion; storey 2
  // has no walls along Y.
  EXPECT_TRUE(storeys[0]["eccentricity"]["ratio"]["x"].isNull());
  EXPECT_TRUE(storeys[0]["eccentricity"]["ratio"]["y"].isNull());
  EXPECT_TRUE(storeys[1]["eccentricity"]["ratio"]["x"].isDouble());
  EXPECT_TRUE(storeys[1]["eccentricity"]["ratio"]["y"].isNull());

  const QJsonArray columns = json["columns"].toArray();
  ASSERT_EQ(columns.size(), calc.Storey(1).columns + calc.Storey(2).columns);
  int previous = 0;
  for (const QJsonValue& value : columns) {
    const QJsonObject c = value.toObject();
    const int s = c["storey"].toInt();
    const int i = c["i"].toInt();
    const int j = c["j"].toInt();
    const int order = (s * 100 + j) * 100 + i;
    EXPECT_GT(order, previous);
    previous = order;
    const ColumnRec& rec = b.Point(i, j, s).Column;
    const ColumnResult& r = calc.Column(i, j, s);
    EXPECT_EQ(c["x_line"].toString().toStdString(), b.LineNameX(i));
    EXPECT_EQ(c["y_line"].toString().toStdString(), b.LineNameY(j));
    EXPECT_EQ(c["kind"].toInt(), static_cast<int>(rec.ColKind));
    EXPECT_EQ(c["through"].toBool(), rec.Through == 1);
    EXPECT_EQ(c["corner"].toBool(), rec.Corner == 1);
    EXPECT_EQ(F(c["b"]), r.b);
    EXPECT_EQ(F(c["l"]), r.l);
    for (const Dir d : kDirs) {
      const QJsonObject dir = c[d == Dir::X ? "x" : "y"].toObject();
      EXPECT_EQ(F(dir["rating1"]), r.rating1[d]);
      EXPECT_EQ(F(dir["rating2"]), r.rating2[d]);
      EXPECT_EQ(F(dir["correction"]), r.correction[d]);
      EXPECT_EQ(F(dir["a"]), r.a[d]);
      EXPECT_EQ(F(dir["n"]), r.n[d]);
      EXPECT_EQ(F(dir["delta_n"]), r.deltaN[d]);
      EXPECT_EQ(F(dir["cross_share"]), r.crossShare[d]);
      EXPECT_EQ(F(dir["total"]), r.total(d));
    }
    EXPECT_EQ(c["grade"].toString().toStdString(), rec.NeedGrade);
    EXPECT_EQ(c["top"].toString().toStdString(), rec.TopHardware);
    EXPECT_EQ(c["bottom"].toString().toStdString(), rec.BottomHardware);
    EXPECT_EQ(c["not_transmitted"].toBool(), r.notTransmitted == 1);
  }
  // The shares arrive: the storey-2 columns pull 1.5 x 0.5, so (1, 1) receives 3/4 of it
  // and (5, 1) a third of half of it through the orthogonal beam.
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).deltaN[Dir::X], 0.5625f);
  EXPECT_FLOAT_EQ(calc.Column(5, 1, 1).crossShare[Dir::X], 0.25f);
}

TEST_F(CalcCommand, HardwareIsFilledOnlyAsTheProjectSaysAndTheFileIsNeverWritten) {
  struct Case {
    int option;
    const char* flags;
    bool filled;
  };
  for (const Case c : {Case{1, "", true}, Case{1, "--no-auto", false}, Case{0, "", false}}) {
    Building plan = TransmittingPlan();
    plan.Settings.AutoHardwareOnReport = c.option;
    const std::string path = Save(plan);
    const std::string before = test::ReadBytes(path);
    const QJsonObject json = CalcJson(path, c.flags);
    for (const QJsonValue& value : json["columns"].toArray()) {
      const QJsonObject column = value.toObject();
      const bool empty = column["top"].toString().isEmpty() && column["bottom"].toString().isEmpty();
      EXPECT_EQ(empty, !c.filled) << c.option << c.flags;
      EXPECT_FALSE(column["grade"].toString().isEmpty());
    }
    EXPECT_EQ(test::ReadBytes(path), before);
  }
}

TEST_F(CalcCommand, WarningsGoToStandardError) {
  // Storey 1 under a heavy storey-2 corner: N = 10.2, beyond (る)*; a weak placed top.
  PlanBuilder p(2, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Floor(2, 1, 1, 4, 4);
  for (int level = 1; level <= 2; ++level) {
    p.Column(1, 1, level).Brace(level, Dir::X, 1, 1, 1, 4, test::kRisesToLower).Sheathing(level, Dir::X, 1, 1, 1, 8);
  }
  p.b.Point(1, 1, 2).Column.TopHardware = "(い)";
  const CommandRun run = Calc(ShellQuoted(Save(p.b)));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("必要金物が (る*) を超える柱があります。"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("耐力不足の金物が配置されています。"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("直交梁による柱引抜き力"), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("(い) NG*"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("不可"), std::string::npos) << run.out;

  Building plan = TransmittingPlan();
  const std::string path = Save(plan, "cross.TVK");
  EXPECT_NE(Calc(ShellQuoted(path)).err.find("直交梁による柱引抜き力が１階に伝達されない２階柱があります。"),
            std::string::npos);
  plan.Settings.NoCrossBeamWarning = 1;
  Save(plan, "cross.TVK");
  EXPECT_EQ(Calc(ShellQuoted(path)).err, "");
}

TEST_F(CalcCommand, TablePrintsEveryColumnPerDirectionAndTheEccentricity) {
  Building plan = TransmittingPlan();
  const CommandRun run = Calc(ShellQuoted(Save(plan)));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* expected : {"テスト邸", "X1      い1     X ", "X1      い1     Y ", "   0.56 ", "   0.25 ",
                               "storey 1 eccentricity", "storey 2 eccentricity", "偏心率", "X方向加力"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
  }
  // Storey 1 cannot resist torsion: no ratio in either direction.
  const size_t storey1 = run.out.find("storey 1 eccentricity");
  const size_t ratio = run.out.find("偏心率", storey1);
  ASSERT_NE(ratio, std::string::npos);
  const std::string line = run.out.substr(ratio, run.out.find('\n', ratio) - ratio);
  EXPECT_NE(line.find("----        ----"), std::string::npos) << line;
}

TEST_F(CalcCommand, UsageErrorsAndRefusedFiles) {
  struct Case {
    std::string arguments;
    int exitCode;
    const char* message;
  };
  test::WriteBytes(dir_.file("notes.TVK"), "hello, not a project");
  const Case cases[] = {
      {"", 2, "usage: voln-tvk calc"},
      {"a.TVK b.TVK", 2, "unexpected argument b.TVK"},
      {"--jsn " + ShellQuoted(dir_.file("notes.TVK")), 2, "unexpected argument --jsn"},
      {ShellQuoted(dir_.file("missing.TVK")), 1, "missing.TVK"},
      {ShellQuoted(dir_.file("notes.TVK")) + " --json", 1, "のデータではありません。"},
  };
  for (const Case& c : cases) {
    const CommandRun run = Calc(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
  }
}

TEST(CalcJsonNumbers, ReadBackToTheSameFloat) {
  for (const float v : {0.0f, 0.9f, -0.35f, 1.0f / 3.0f, 7.5f, 1e-7f, 123456.78f, -2.0f}) {
    const std::string text = JsonNumber(v);
    EXPECT_EQ(std::stof(text), v) << text;
  }
  EXPECT_EQ(JsonNumber(2.0f), "2.0");
  EXPECT_EQ(JsonNumber(std::numeric_limits<float>::quiet_NaN()), "null");
  EXPECT_EQ(JsonString("a\"b\\c\n名"), "\"a\\\"b\\\\c\\u000a名\"");
}

}  // namespace
}  // namespace tvk
