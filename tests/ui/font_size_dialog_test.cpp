#include "ui/dialogs/font_size_dialog.h"
#include "model/default_settings.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

TEST(FontSizeChoices, SixToElevenAndAnyOtherCurrentSize) {
  EXPECT_EQ(FontSizeChoices(7), (std::vector<int>{6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(FontSizeChoices(14), (std::vector<int>{6, 7, 8, 9, 10, 11, 14}));
  EXPECT_EQ(FontSizeChoices(5), (std::vector<int>{5, 6, 7, 8, 9, 10, 11}));
}

class FontSizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    dialog = std::make_unique<FontSizeDialog>(current, defaults, nullptr, &prompts);
    dialog->show();
  }

  FigureFonts current{8, 9, 10, 6};
  DefaultSettings defaults;
  test::ScriptedWindowPrompts prompts;
  std::unique_ptr<FontSizeDialog> dialog;
};

TEST_F(FontSizeTest, OpensWithTheCurrentSizes) {
  const FigureFonts shown = dialog->values();
  EXPECT_EQ(shown.planHardware, 8);
  EXPECT_EQ(shown.planMultiplier, 9);
  EXPECT_EQ(shown.frameHardware, 10);
  EXPECT_EQ(shown.frameMultiplier, 6);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("VOLN-TVK /軸組Ｎ値算定   フォントサイズの設定"));
}

TEST_F(FontSizeTest, OkTakesTheSizesWithoutTouchingTheDefaults) {
  dialog->setValues({11, 6, 7, 8});
  dialog->accept();
  EXPECT_EQ(current.planHardware, 11);
  EXPECT_EQ(current.frameMultiplier, 8);
  EXPECT_EQ(defaults.FigureFontSize, (std::array<int32_t, 4>{7, 7, 7, 7}));
}

TEST_F(FontSizeTest, CancelChangesNothing) {
  dialog->setValues({11, 11, 11, 11});
  dialog->reject();
  EXPECT_EQ(current.planHardware, 8);
}

TEST_F(FontSizeTest, DefaultButtonStoresBothAfterTheQuestion) {
  dialog->setValues({6, 7, 8, 9});
  prompts.answers = {false};
  EXPECT_FALSE(dialog->setAsDefault());
  EXPECT_EQ(current.planHardware, 8);
  prompts.answers = {true};
  EXPECT_TRUE(dialog->setAsDefault());
  EXPECT_EQ(defaults.FigureFontSize, (std::array<int32_t, 4>{6, 7, 8, 9}));
  EXPECT_EQ(current.frameMultiplier, 9);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kFontDefaultQuestion));
}

}  // namespace
}  // namespace tvk
