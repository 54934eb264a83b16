#include "ui/dialogs/profile_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

#include "editor/user_prompts.h"
#include "model/building.h"
#include "model/profile_text.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

using F = ProfileField;

const char* const kNotGiven = "未入力";
const char* const kNumberEntry = "数値を入力";
constexpr int kChoiceWidth = 190;  // the longest named choice, so the boxes beside line up

// Range and meaning of an empty field, beside the field.
QString NoteText(const ProfileFieldInfo& info) {
  QString note;
  if (info.kind != FieldKind::Choice || info.numberAllowed) {
    note =
        Q(FixedText(ToFixed(info, info.min), info.decimals) + "～" + FixedText(ToFixed(info, info.max), info.decimals));
  }
  if (info.whenEmpty[0] != '\0') {
    if (!note.isEmpty()) note += "、";
    note += Q(std::string("未入力時は ") + info.whenEmpty);
  }
  if (info.twoStoreys) note += note.isEmpty() ? "２階建てのみ" : "、２階建てのみ";
  return note;
}

// Full-width digits and marks typed through an input method count as their plain forms.
std::string PlainText(const QString& text) {
  return text.normalized(QString::NormalizationForm_KC).trimmed().toStdString();
}

}  // namespace

ProfileDialog::ProfileDialog(const BuildingProfile& profile, int storeys, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), profile_(profile), storeys_(storeys), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8(kProgramTitle) + "   建物仕様");
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(makeGroup("階高・屋根形状", {F::H1, F::H2, F::Rise, F::Eaves, F::Pitch}));
  left->addWidget(makeGroup("荷重", {F::Roof, F::Solar, F::CeilingInsulation, F::Wall, F::WallInsulation, F::Use}));
  left->addWidget(makeGroup("柱", {F::Wood, F::Column1, F::Column2}));
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(makeGroup("地震力・風圧力", {F::C0, F::Wind, F::Lw1, F::Lw2, F::LwOneStorey, F::WindAreaX1,
                                                F::WindAreaY1, F::WindAreaX2, F::WindAreaY2}));
  right->addWidget(makeGroup("準耐力壁等", {F::Clear1, F::Clear2}));
  right->addWidget(
      new QLabel("空欄・｢未入力｣の項目は、入力されていないものとして扱います。\n"
                 "階高は横架材上端間の高さ、小屋の高さは小屋梁上端から最高部まで、\n"
                 "軒の出は壁芯から軒先までです。\n"
                 "Lw は早見表などの値を入力すると、計算値に代えて用います。\n"
                 "見付面積の Ｘ方向加力 は、Ｘ方向の力を受ける面(Ｙ方向の立面)です。\n"
                 "横架材間内法寸法 H0 は、準耐力壁等の倍率の算定に用います。"));
  right->addStretch(1);
  columns->addLayout(left);
  columns->addLayout(right);
  layout->addLayout(columns);
  AddOkCancel(this, layout);
  for (const ProfileFieldInfo& info : AllProfileFields()) showField(info.id);
}

QWidget* ProfileDialog::makeGroup(const char* title, std::initializer_list<ProfileField> fields) {
  auto* box = new QGroupBox(title);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (const ProfileField field : fields) addRow(grid, row++, FieldInfo(field));
  grid->setColumnStretch(3, 1);
  return box;
}

void ProfileDialog::addRow(QGridLayout* grid, int row, const ProfileFieldInfo& info) {
  FieldWidgets& w = widgets_[static_cast<size_t>(info.id)];
  std::vector<QWidget*> parts{new QLabel(info.label)};
  auto* entry = new QHBoxLayout;
  if (info.kind == FieldKind::Choice) {
    w.choice = new QComboBox;
    w.choice->addItem(kNotGiven);
    for (const NamedChoice& c : info.choices) w.choice->addItem(c.label);
    if (info.numberAllowed) w.choice->addItem(kNumberEntry);
    w.choice->setFixedWidth(kChoiceWidth);
    parts.push_back(w.choice);
  }
  if (info.kind != FieldKind::Choice || info.numberAllowed) {
    w.number = new QLineEdit;
    w.number->setPlaceholderText(info.kind == FieldKind::Section ? "105 / 120x105" : kNotGiven);
    w.number->setFixedWidth(info.kind == FieldKind::Section ? 110 : 80);
    parts.push_back(w.number);
  }
  if (info.unit[0] != '\0') parts.push_back(new QLabel(info.unit));
  for (size_t k = 1; k < parts.size(); ++k) entry->addWidget(parts[k]);
  entry->addStretch(1);
  auto* note = new QLabel(NoteText(info));
  note->setForegroundRole(QPalette::PlaceholderText);
  parts.push_back(note);
  grid->addWidget(parts.front(), row, 0);
  grid->addLayout(entry, row, 1);
  grid->addWidget(note, row, 2);
  if (w.choice != nullptr && w.number != nullptr) {
    const int numberIndex = w.choice->count() - 1;
    QLineEdit* number = w.number;
    connect(w.choice, &QComboBox::currentIndexChanged, number,
            [number, numberIndex](int index) { number->setEnabled(index == numberIndex); });
  }
  if (info.twoStoreys && storeys_ < 2) {
    for (QWidget* part : parts) part->setEnabled(false);
  }
}

void ProfileDialog::showField(ProfileField field) {
  const ProfileFieldInfo& info = FieldInfo(field);
  const FieldWidgets& w = at(field);
  const std::string text = FieldText(profile_, field);
  if (w.choice == nullptr) {
    w.number->setText(Q(text));
    return;
  }
  int index = 0;
  for (size_t k = 0; k < info.choices.size(); ++k) {
    if (text == info.choices[k].key) index = static_cast<int>(k) + 1;
  }
  if (index == 0 && !text.empty() && w.number != nullptr) {
    index = w.choice->count() - 1;
    w.number->setText(Q(text));
  }
  w.choice->setCurrentIndex(index);
  if (w.number != nullptr) w.number->setEnabled(index == w.choice->count() - 1 && w.choice->isEnabled());
}

std::optional<std::string> ProfileDialog::fieldText(ProfileField field) {
  const ProfileFieldInfo& info = FieldInfo(field);
  const FieldWidgets& w = at(field);
  if (w.choice == nullptr) return PlainText(w.number->text());
  const int index = w.choice->currentIndex();
  if (index <= 0) return std::string();
  if (static_cast<size_t>(index) <= info.choices.size())
    return std::string(info.choices[static_cast<size_t>(index) - 1].key);
  const std::string number = PlainText(w.number->text());
  if (number.empty()) {
    refuse(field, std::string(info.label) + "の数値 (" + info.unit + ") を入力してください。");
    return std::nullopt;
  }
  return number;
}

void ProfileDialog::refuse(ProfileField field, const std::string& message) {
  prompts_.tell(message);
  const FieldWidgets& w = at(field);
  QWidget* focus = w.number != nullptr && w.number->isEnabled() ? static_cast<QWidget*>(w.number) : w.choice;
  if (focus != nullptr) focus->setFocus();
}

void ProfileDialog::accept() {
  BuildingProfile entered;
  for (const ProfileFieldInfo& info : AllProfileFields()) {
    if (info.twoStoreys && storeys_ < 2) continue;
    const std::optional<std::string> text = fieldText(info.id);
    if (!text) return;
    if (auto refused = SetFieldText(entered, info.id, *text)) return refuse(info.id, *refused);
  }
  if (auto refused = CheckProfile(entered, storeys_)) return refuse(refused->field, refused->message);
  profile_ = entered;
  QDialog::accept();
}

}  // namespace tvk
