// The three calculation-option dialogs: what OK, ｷｬﾝｾﾙ and the default buttons store.
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>

#include "ui/dialogs/cross_beam_dialog.h"
#include "ui/dialogs/l_method_dialog.h"
#include "ui/dialogs/missing_column_dialog.h"
#include "ui/session_test_support.h"

namespace tvk::test {
namespace {

using OptionsDialogs = SessionFixture;

const char* const kDefaultNote = "\n\n(変更したデフォルトは、次回新規データから有効になります。)";

TEST_F(OptionsDialogs, LMethodDefaultThenCancelLeavesTheProjectAlone) {
  startWithName("邸");
  LMethodDialog dialog(session.document, session.defaults, prompts);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "押さえ係数設定   邸");
  EXPECT_EQ(dialog.methods()->checkedId(), 0);
  dialog.methods()->button(1)->click();
  prompts.answers = {true};
  dialog.defaultButton()->click();
  EXPECT_EQ(prompts.asked.back(), std::string("押さえ係数Ｌの設定デフォルトを変更します。") + kDefaultNote);
  EXPECT_EQ(session.defaults.DefLMethod, 1);
  dialog.reject();
  EXPECT_EQ(building().Settings.LMethod, 0);
  EXPECT_FALSE(session.document.modified());
}

TEST_F(OptionsDialogs, LMethodOkStoresAndMarksModified) {
  LMethodDialog dialog(session.document, session.defaults, prompts);
  dialog.methods()->button(1)->click();
  dialog.okButton()->click();
  EXPECT_EQ(building().Settings.LMethod, 1);
  EXPECT_TRUE(session.document.modified());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialogs, CrossBeamOkMarksModifiedOnlyWhenSomethingChanged) {
  struct Case {
    bool ignore;
    bool noWarning;
    int modified;
  };
  for (const Case& c : {Case{false, false, 0}, Case{true, false, 1}, Case{false, true, 1}}) {
    startWith([](Building& b) {
      b.Settings.IgnoreCrossBeam = 0;
      b.Settings.NoCrossBeamWarning = 0;
    });
    CrossBeamDialog dialog(session.document, session.defaults, prompts);
    dialog.noWarningBox()->setChecked(c.noWarning);
    dialog.ignoreBox()->setChecked(c.ignore);
    dialog.okButton()->click();
    EXPECT_EQ(session.document.modified(), c.modified != 0);
    EXPECT_EQ(building().Settings.IgnoreCrossBeam, c.ignore ? 1 : 0);
    EXPECT_EQ(building().Settings.NoCrossBeamWarning, c.noWarning ? 1 : 0);
  }
}

TEST_F(OptionsDialogs, CrossBeamWarningBoxFollowsTheIgnoreBox) {
  startWith([](Building& b) { b.Settings.IgnoreCrossBeam = 1; });
  CrossBeamDialog dialog(session.document, session.defaults, prompts);
  EXPECT_FALSE(dialog.noWarningBox()->isEnabled());
  dialog.ignoreBox()->setChecked(false);
  EXPECT_TRUE(dialog.noWarningBox()->isEnabled());
  prompts.answers = {true};
  dialog.noWarningBox()->setChecked(true);
  dialog.defaultButton()->click();
  EXPECT_EQ(prompts.asked.back(), std::string("直交梁による引抜き力伝達の設定デフォルトを変更します。") + kDefaultNote);
  EXPECT_EQ(session.defaults.DefIgnoreCrossBeam, 0);
  EXPECT_EQ(session.defaults.DefNoCrossBeamWarning, 1);
  EXPECT_EQ(building().Settings.NoCrossBeamWarning, 0);
}

TEST_F(OptionsDialogs, MissingColumnDefaultAnsweredCancelStillChangesTheValueAndCloses) {
  MissingColumnDialog dialog(session.document, session.defaults, prompts);
  dialog.show();
  dialog.options()->button(1)->click();
  prompts.answers = {false};
  dialog.defaultButton()->click();
  EXPECT_EQ(prompts.asked.back(),
            std::string("１階に柱がない時の２階柱引抜き力の処理の設定デフォルトを変更します。") + kDefaultNote);
  EXPECT_EQ(building().Settings.NoTransmitMissingColumn, 1);
  EXPECT_EQ(session.defaults.DefNoTransmitMissingColumn, 0);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(OptionsDialogs, MissingColumnDefaultAnsweredOkStaysOpen) {
  MissingColumnDialog dialog(session.document, session.defaults, prompts);
  dialog.show();
  dialog.options()->button(1)->click();
  dialog.defaultButton()->click();
  EXPECT_EQ(session.defaults.DefNoTransmitMissingColumn, 1);
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace tvk::test
