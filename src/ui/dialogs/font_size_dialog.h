#pragma once
// The label sizes of the report's plan and frame figures: "伏図用" and "軸組図用", each with
// "壁倍率" and "金物仕様" sizes from 6 to 11 points.

#include <QDialog>
#include <array>
#include <vector>

#include "report/figures/figure_fonts.h"
#include "ui/common/message_box.h"

class QComboBox;

namespace tvk {

struct DefaultSettings;

inline constexpr const char* kFontSizePrompt =
    "計算書の伏図、軸組図に表示する金物仕様・壁倍率のフォントサイズを選択してください。";
inline constexpr const char* kFontDefaultQuestion = "デフォルトフォントをセットします...";

// The sizes a list offers: 6 to 11, and the current size when it lies outside them.
std::vector<int> FontSizeChoices(int current);
// The four sizes as the default file stores them.
void StoreFontDefaults(const FigureFonts& fonts, DefaultSettings& defaults);

class FontSizeDialog : public QDialog {
  Q_OBJECT

 public:
  // current: the sizes the figures use now; defaults: the block written to the default file
  // at exit. Both change only through the buttons.
  FontSizeDialog(FigureFonts& current, DefaultSettings& defaults, QWidget* parent, WindowPrompts* prompts = nullptr);

  // The four sizes the lists show.
  FigureFonts values() const;
  void setValues(const FigureFonts& fonts);
  // "デフォルトに設定": asks, then takes the sizes as current ones and as defaults; the
  // dialog stays open. True when the user confirmed.
  bool setAsDefault();
  // "O K": takes the sizes as the current ones and closes.
  void accept() override;

 private:
  FigureFonts& current_;
  DefaultSettings& defaults_;
  PromptsRef prompts_;
  std::array<QComboBox*, 4> lists_{};  // plan hardware, plan multiplier, frame hardware, frame multiplier
};

// Runs the dialog modally; true when the current sizes changed.
bool RunFontSizeDialog(FigureFonts& current, DefaultSettings& defaults, QWidget* parent);

}  // namespace tvk
