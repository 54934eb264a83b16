// The cover: where the building name box stands, and the two cover switches.
#include <gtest/gtest.h>

#include "report/chapters/report_context.h"
#include "report/compose_test_building.h"

namespace tvk {
namespace {

using test::ComposeBuilding;
using test::ComposeUncalculated;
using test::OpsOf;

TEST(ComposeCover, NameBoxTopFollowsTheNameWidth) {
  struct Case {
    double widthCm;
    double top;
  };
  const double frameTop = 3.2;
  const Case cases[] = {{0, 4.5}, {12.9, 4.5}, {12.91, 4.1}, {25.8, 4.1}, {25.81, frameTop}, {40, frameTop}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(CoverNameTop(c.widthCm, frameTop), c.top) << c.widthCm;
}

// The y (cm from the top of the margin box) of the cover text equal to text; -1 when absent.
double CoverTextY(const ComposedReport& r, const QString& text) {
  for (const TextOp& op : OpsOf<TextOp>(r.document.pages[0])) {
    if (op.text == text) return op.pos.y() / kTwipsPerCm - 2.0;
  }
  return -1;
}

TEST(ComposeCover, LongNamesMoveTheNameBoxUp) {
  struct Case {
    int repeat;  // times "試験邸" is repeated: 3 characters of 20 pt, about 2.1 cm
    double minTop;
    double maxTop;
  };
  const Case cases[] = {{3, 4.5, 4.7}, {8, 4.1, 4.3}, {14, 0.5, 4.0}};
  for (const Case& c : cases) {
    Building b = ComposeBuilding();
    b.Info.BuildingName.clear();
    for (int k = 0; k < c.repeat; ++k) b.Info.BuildingName += "試験邸";
    const ComposedReport r = ComposeUncalculated(b);
    // The first line of the name is the first cover text that starts with it.
    double y = -1;
    for (const TextOp& op : OpsOf<TextOp>(r.document.pages[0])) {
      if (op.text.startsWith(QStringLiteral("試験邸"))) {
        y = op.pos.y() / kTwipsPerCm - 2.0;
        break;
      }
    }
    EXPECT_GT(y, c.minTop) << c.repeat;
    EXPECT_LT(y, c.maxTop) << c.repeat;
  }
}

TEST(ComposeCover, NameIsTrimmedAndCentred) {
  Building b = ComposeBuilding();
  b.Info.BuildingName = "  試験邸  ";
  const ComposedReport r = ComposeUncalculated(b);
  for (const TextOp& op : OpsOf<TextOp>(r.document.pages[0])) {
    if (op.text != QStringLiteral("試験邸")) continue;
    const double centre = op.pos.x() / kTwipsPerCm;  // left edge; centred text of ~2.1 cm
    EXPECT_NEAR(centre, 2.3 + 16.4 / 2 - 1.06, 0.3);
    return;
  }
  FAIL() << "name not on the cover";
}

TEST(ComposeCover, SwitchesHideDateAndOffice) {
  for (int hideDate : {0, 1}) {
    for (int hideOffice : {0, 1}) {
      Building b = ComposeBuilding();
      b.Info.HideDateOnCover = hideDate;
      b.Info.HideOfficeOnCover = hideOffice;
      const ComposedReport r = ComposeUncalculated(b);
      EXPECT_GE(CoverTextY(r, QStringLiteral("試験邸")), 0);
      EXPECT_GE(CoverTextY(r, QStringLiteral("告示 平１２ 建告第１４６０号 による")), 0);
      EXPECT_GE(CoverTextY(r, QStringLiteral("軸組を構成する柱頭･柱脚のＮ値計算書")), 0);
      EXPECT_EQ(CoverTextY(r, QStringLiteral("2024/03/05")) >= 0, hideDate == 0);
      EXPECT_EQ(CoverTextY(r, QStringLiteral("試験設計室")) >= 0, hideOffice == 0);
      EXPECT_EQ(CoverTextY(r, QStringLiteral("担当 太郎")) >= 0, hideOffice == 0);
      // Frame, name, notification line, title; the footer's version is the only other text.
      if (hideDate == 1 && hideOffice == 1) {
        EXPECT_EQ(r.document.Texts(0).size(), 4);
        EXPECT_EQ(OpsOf<RectOp>(r.document.pages[0]).size(), 1u);
      }
    }
  }
}

TEST(ComposeCover, LinesStandInOrderInsideThePage) {
  Building b = ComposeBuilding();
  const ComposedReport r = ComposeUncalculated(b);
  const double notice = CoverTextY(r, QStringLiteral("告示 平１２ 建告第１４６０号 による"));
  const double title = CoverTextY(r, QStringLiteral("軸組を構成する柱頭･柱脚のＮ値計算書"));
  const double date = CoverTextY(r, QStringLiteral("2024/03/05"));
  const double office = CoverTextY(r, QStringLiteral("試験設計室"));
  const double person = CoverTextY(r, QStringLiteral("担当 太郎"));
  const double frameBottom = OpsOf<RectOp>(r.document.pages[0]).at(0).rect.bottom() / kTwipsPerCm - 2.0;
  EXPECT_LT(frameBottom, notice);
  EXPECT_LT(notice, title);
  EXPECT_LT(title, date);
  EXPECT_LT(date, office);
  EXPECT_LT(office, person);
  EXPECT_LT(person, 29.7 - 4.0);
}

}  // namespace
}  // namespace tvk
