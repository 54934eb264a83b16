// The main window's wording and the rules of its side controls: every toolbar tip and
// menu caption, the zoom list, the eccentricity read-out and the options beside the plan.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "editor/main_window_texts.h"
#include "engine/storey_balance.h"
#include "ui/session_test_support.h"
#include "ui/windows/eccentricity_panel.h"
#include "ui/windows/main_window.h"

namespace tvk::test {
namespace {

using MainWindowControls = SessionFixture;

QPushButton* ButtonNamed(const QWidget& window, const QString& text) {
  for (QPushButton* b : window.findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

QCheckBox* BoxNamed(const QWidget& window, const QString& text) {
  for (QCheckBox* b : window.findChildren<QCheckBox*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

// Captions of a menu's entries with their shortcuts after a tab, separators and the recent
// files left out.
std::vector<std::string> Captions(const QMenu* menu) {
  std::vector<std::string> captions;
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator() || a->text().startsWith('/')) continue;
    const QString keys = a->shortcut().toString(QKeySequence::PortableText);
    captions.push_back((keys.isEmpty() ? a->text() : a->text() + "\t" + keys).toStdString());
  }
  return captions;
}

TEST_F(MainWindowControls, EveryToolbarKeyHasItsTip) {
  MainWindow window(session, &prompts);
  const char* const tips[] = {"新規データ",
                              "データを開く",
                              "上書き保存",
                              "計算書プレビュー",
                              "２階柱Ｎ値伝達チェック",
                              "配置金物",
                              "Ｘ通り軸組図",
                              "Ｙ通り軸組図",
                              "建物名称の変更",
                              "入力ｸﾞﾘｯﾄﾞ数の変更",
                              "通り名の変更",
                              "押さえ係数Ｌの設定",
                              "直交梁の影響",
                              "金物名称の登録",
                              "フォントサイズの変更",
                              "配置・削除 取り消し",
                              "閉じる"};
  for (size_t k = 0; k < kToolbarKeys.size(); ++k) {
    EXPECT_EQ(window.toolbarAction(kToolbarKeys[k])->toolTip().toStdString(), tips[k]) << kToolbarKeys[k];
  }
}

TEST_F(MainWindowControls, MenusHoldTheirEntriesInOrder) {
  MainWindow window(session, &prompts);
  const std::vector<std::vector<std::string>> expected = {
      {"新規作成(&N)\tCtrl+N", "開く(&O)\tCtrl+O", "データ履歴ダイアログ表示(&R)", "上書き保存(&S)\tCtrl+S",
       "名前を付けて保存(&A)...\tCtrl+Shift+S", "DXF出力...", "ﾌﾟﾘﾝﾀｰの設定(&U)...", "終了(&X)"},
      {"配置・削除 取り消し\tCtrl+Z"},
      {"計算書ﾌﾟﾚﾋﾞｭｰ(&V)\tCtrl+P", "２階Ｎ値伝達ﾁｪｯｸ(&N)", "全部材表示(&A)", "四分割法の側端部を表示(&Q)",
       "柱の負担面積を表示(&T)"},
      {"配置金物(&K)"},
      {"Ｘ通り軸組図(&X)", "Ｙ通り軸組図(&Y)"},
      {"建物名称の変更(&N)", "入力ｸﾞﾘｯﾄﾞ数の変更(&C)", "通り名の変更(&T)", "建物仕様(&P)...", "押さえ係数Ｌの設定(&L)",
       "１階に柱がない時の２階柱引抜き力の処理(&U)", "直交梁の影響(&G)", "金物名称の登録(&K)", "ﾌｫﾝﾄｻｲｽﾞの変更(&F)"},
      {"目次(&C)\tF1", "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
  };
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(static_cast<size_t>(menus.size()), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(Captions(menus[static_cast<qsizetype>(k)]->menu()), expected[k]) << k;
  }
}

TEST_F(MainWindowControls, ZoomListAndSideTexts) {
  MainWindow window(session, &prompts);
  const QList<QComboBox*> combos = window.findChildren<QComboBox*>();
  ASSERT_EQ(combos.size(), 1);
  QStringList zoom;
  for (int k = 0; k < combos.front()->count(); ++k) zoom << combos.front()->itemText(k);
  EXPECT_EQ(zoom, QStringList({"全体表示", "120(%)", "150(%)", "200(%)", "250(%)", "300(%)"}));
  for (const char* caption : {"再描画", "削    除", "グループ削除", "ｷｬﾝｾﾙ", "配置金物の初期化"}) {
    EXPECT_NE(ButtonNamed(window, caption), nullptr) << caption;
  }
  for (const char* caption :
       {"筋かい・面材を同時に削除", "耐力壁と柱･梁配置の連動", kMatchCaption, "重心・剛心を伏図表示しない"}) {
    EXPECT_NE(BoxNamed(window, caption), nullptr) << caption;
  }
  EXPECT_TRUE(BoxNamed(window, "耐力壁と柱･梁配置の連動")->isChecked());
  EXPECT_EQ(BoxNamed(window, kMatchCaption)->toolTip().toStdString(), kMatchTip);
}

TEST_F(MainWindowControls, DeletingBothLayersIsOfferedOnlyForWallsInADeleteMode) {
  MainWindow window(session, &prompts);
  QCheckBox* both = BoxNamed(window, "筋かい・面材を同時に削除");
  const struct {
    const char* category;
    const char* toggle;  // pressed before looking, nullptr for none
    bool enabled;
  } cases[] = {
      {"耐力壁", nullptr, false}, {"耐力壁", "削    除", true},     {"床", nullptr, false},
      {"耐力壁", nullptr, true},  {"耐力壁", "グループ削除", true}, {"耐力壁", "グループ削除", false},
      {"柱", "削    除", false},
  };
  for (const auto& c : cases) {
    ButtonNamed(window, c.category)->click();
    if (c.toggle != nullptr) ButtonNamed(window, c.toggle)->click();
    EXPECT_EQ(both->isEnabled(), c.enabled) << c.category << " " << (c.toggle ? c.toggle : "-");
  }
}

TEST_F(MainWindowControls, StoreyButtonsFollowTheCategory) {
  MainWindow window(session, &prompts);
  const struct {
    const char* category;
    const char* storey2;
    const char* storey1;
    bool otherWalls;
  } cases[] = {{"床", "２階 床", "１階 床", false},
               {"耐力壁", "２階 耐力壁", "１階 耐力壁", false},
               {"柱", "２階 柱", "１階 柱", true},
               {"梁", "２階 小屋梁", "２階 床梁", true}};
  for (const auto& c : cases) {
    ButtonNamed(window, c.category)->click();
    ASSERT_NE(ButtonNamed(window, c.storey2), nullptr) << c.category;
    ASSERT_NE(ButtonNamed(window, c.storey1), nullptr) << c.category;
    EXPECT_EQ(ButtonNamed(window, "上階耐力壁表示")->isEnabled(), c.otherWalls) << c.category;
  }
  ButtonNamed(window, "２階 床梁")->click();  // storey 1 for beams
  EXPECT_EQ(window.editor().state().Storey, 1);
  ButtonNamed(window, "２階 小屋梁")->click();
  EXPECT_EQ(window.editor().state().Storey, 2);
  EXPECT_NE(ButtonNamed(window, "下階耐力壁表示"), nullptr);
}

TEST_F(MainWindowControls, EccentricityReadOutColoursAndEmptyState) {
  EccentricityPanel panel;
  EXPECT_EQ(panel.value(0, Dir::X)->text(), "m");
  EXPECT_EQ(panel.value(1, Dir::Y)->text(), "m");
  EXPECT_EQ(panel.value(2, Dir::X)->text(), " ");
  const struct {
    float ratio;
    float stiffness;
    const char* text;
    const char* colour;
    bool bold;
  } cases[] = {{0.2f, 1.0f, " 0.200", "white", false},
               {0.25f, 1.0f, " 0.250", "yellow", true},
               {0.3f, 1.0f, " 0.300", "yellow", true},
               {0.35f, 1.0f, " 0.350", "red", true},
               {0.1f, 0.0f, "----", "red", true}};
  for (const auto& c : cases) {
    StoreyBalance balance;
    balance.Gravity = {1.5f, 2.25f};
    balance.EccRatio = {c.ratio, c.ratio};
    balance.Stiffness = {c.stiffness, c.stiffness};
    panel.showBalance(balance);
    EXPECT_EQ(panel.value(0, Dir::X)->text(), "1.500m");
    EXPECT_EQ(panel.value(0, Dir::Y)->text(), "2.250m");
    EXPECT_EQ(panel.value(1, Dir::X)->text(), "0.000m");
    QLabel* ratio = panel.value(2, Dir::Y);
    EXPECT_EQ(ratio->text().toStdString(), c.text);
    EXPECT_TRUE(ratio->styleSheet().contains(QString("color: %1;").arg(c.colour))) << c.text;
    EXPECT_TRUE(ratio->styleSheet().contains(c.bold ? "bold" : "normal")) << c.text;
  }
  panel.clearValues();
  EXPECT_EQ(panel.value(2, Dir::Y)->text(), " ");
}

TEST_F(MainWindowControls, EccentricityHelpText) {
  EXPECT_EQ(
      std::string(kEccentricityHelp),
      "重心・剛心・偏心率について\n\n●表の偏心率の表示色\n   0～0.2：白,  0.2～0.3：黄,  0.3～：赤\n\n"
      "●図中記号\n   ◎：重心,  ×：剛心\n\n   内枠：偏心率 0.2 の許容偏心距離\n"
      "   外枠：偏心率 0.3 の許容偏心距離\n\nこれらの数値・記号は、耐力壁および床を配置すると逐次変更・移動します。");
}

TEST_F(MainWindowControls, TurningTheMatchOptionOffWarnsFirst) {
  MainWindow window(session, &prompts);
  QCheckBox* match = BoxNamed(window, kMatchCaption);
  match->click();
  EXPECT_EQ(building().Settings.Match1FTo2F, 1);
  EXPECT_TRUE(session.document.modified());
  EXPECT_TRUE(prompts.asked.empty());
  match->click();
  EXPECT_EQ(building().Settings.Match1FTo2F, 0);
  EXPECT_EQ(prompts.asked, std::vector<std::string>{kMatchOffMessage});
  EXPECT_EQ(std::string(kMatchOffMessage),
            "既配置の場合は、ユーザー配置と認識し自動配置できません。\n"
            "[配置金物の初期化]ボタンで配置金物を初期化してください。");
}

}  // namespace
}  // namespace tvk::test
