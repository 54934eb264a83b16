#include "ui/dialogs/font_size_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/building.h"
#include "model/default_settings.h"
#include "ui/dialogs/options_common.h"

namespace tvk {

namespace {

constexpr int kSmallest = 6;
constexpr int kLargest = 11;

// The four sizes in the order of the lists and of the default file.
std::array<int, 4> SizesOf(const FigureFonts& f) {
  return {f.planHardware, f.planMultiplier, f.frameHardware, f.frameMultiplier};
}

FigureFonts FontsOf(const std::array<int, 4>& sizes) { return {sizes[0], sizes[1], sizes[2], sizes[3]}; }

bool operator==(const FigureFonts& a, const FigureFonts& b) { return SizesOf(a) == SizesOf(b); }

}  // namespace

std::vector<int> FontSizeChoices(int current) {
  std::vector<int> sizes;
  for (int s = kSmallest; s <= kLargest; ++s) sizes.push_back(s);
  if (current < kSmallest || current > kLargest) {
    sizes.insert(std::lower_bound(sizes.begin(), sizes.end(), current), current);
  }
  return sizes;
}

void StoreFontDefaults(const FigureFonts& fonts, DefaultSettings& defaults) {
  const std::array<int, 4> sizes = SizesOf(fonts);
  std::copy(sizes.begin(), sizes.end(), defaults.FigureFontSize.begin());
}

FontSizeDialog::FontSizeDialog(FigureFonts& current, DefaultSettings& defaults, QWidget* parent, WindowPrompts* prompts)
    : QDialog(parent), current_(current), defaults_(defaults), prompts_(this, prompts) {
  setWindowTitle(QString::fromUtf8(kProgramTitle) + QStringLiteral("   フォントサイズの設定"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(QString::fromUtf8(kFontSizePrompt), this);
  prompt->setWordWrap(true);
  layout->addWidget(prompt);

  auto* groups = new QHBoxLayout;
  const char* const groupTitles[2] = {"伏図用", "軸組図用"};
  for (int g = 0; g < 2; ++g) {
    auto* box = new QGroupBox(QString::fromUtf8(groupTitles[g]), this);
    auto* form = new QFormLayout(box);
    // Each group lists the wall multiplier size first, then the hardware size.
    const int hardware = 2 * g;
    const int multiplier = 2 * g + 1;
    lists_[size_t(multiplier)] = new QComboBox(box);
    lists_[size_t(hardware)] = new QComboBox(box);
    form->addRow(QStringLiteral("壁倍率"), lists_[size_t(multiplier)]);
    form->addRow(QStringLiteral("金物仕様"), lists_[size_t(hardware)]);
    groups->addWidget(box);
  }
  layout->addLayout(groups);

  const OptionButtons buttons = AddOptionButtons(this, layout, "デフォルトに設定");
  connect(buttons.ok, &QPushButton::clicked, this, &FontSizeDialog::accept);
  connect(buttons.setDefault, &QPushButton::clicked, this, [this] { setAsDefault(); });
  setValues(current_);
  setMinimumWidth(600);
}

FigureFonts FontSizeDialog::values() const {
  std::array<int, 4> sizes{};
  for (size_t k = 0; k < sizes.size(); ++k) sizes[k] = lists_[k]->currentData().toInt();
  return FontsOf(sizes);
}

void FontSizeDialog::setValues(const FigureFonts& fonts) {
  const std::array<int, 4> sizes = SizesOf(fonts);
  for (size_t k = 0; k < sizes.size(); ++k) {
    QComboBox* list = lists_[k];
    list->clear();
    for (const int s : FontSizeChoices(sizes[k])) list->addItem(QString::number(s), s);
    list->setCurrentIndex(list->findData(sizes[k]));
  }
}

bool FontSizeDialog::setAsDefault() {
  if (!prompts_->askOkCancelDefaultCancel(kFontDefaultQuestion)) return false;
  current_ = values();
  StoreFontDefaults(current_, defaults_);
  return true;
}

void FontSizeDialog::accept() {
  current_ = values();
  QDialog::accept();
}

bool RunFontSizeDialog(FigureFonts& current, DefaultSettings& defaults, QWidget* parent) {
  const FigureFonts before = current;
  FontSizeDialog dialog(current, defaults, parent);
  dialog.exec();
  return !(current == before);
}

}  // namespace tvk
