#include "ui/dialogs/line_name_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/document.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "model/grid_point.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

struct AxisTexts {
  std::array<const char*, 4> schemes;
  const char* title;
  const char* reverseTip;
};

constexpr std::array<AxisTexts, 2> kAxes = {
    AxisTexts{{"X1 X2･･･", "いろは･･･", "ＡＢＣ･･･", "１２３･･･"}, "Ｘ通り", "右端を始点として通り名を付けます"},
    AxisTexts{{"Y1 Y2･･･", "いろは･･･", "ＡＢＣ･･･", "１２３･･･"}, "Ｙ通り", "上端を始点として通り名を付けます"}};

// Which way the lines are counted: from the left and the bottom, or reversed from the
// right and the top.
class NamingDiagram : public QWidget {
 public:
  NamingDiagram() { setMinimumSize(230, 170); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QFontMetrics fm(font());
    const QRect plan(fm.horizontalAdvance("↑Ｙ通り") + 12, fm.height() + 10, 110, 90);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    for (int k = 0; k <= 4; ++k) {
      const int x = plan.left() + k * plan.width() / 4;
      const int y = plan.top() + k * plan.height() / 4;
      p.drawLine(x, plan.top(), x, plan.bottom());
      p.drawLine(plan.left(), y, plan.right(), y);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(plan.left(), plan.bottom() + fm.height() + 4, "Ｘ通り→");
    p.drawText(2, plan.bottom() - 4, "↑Ｙ通り");
    p.drawText(plan.right() - fm.horizontalAdvance("←逆並び"), plan.top() - 6, "←逆並び");
    p.drawText(plan.right() + 6, plan.top() + fm.ascent(), "逆並び↓");
  }
};

}  // namespace

LineNameDialog::LineNameDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), doc_(document), b_(document.building()), defaults_(defaults), prompts_(prompts) {
  setWindowTitle(Q(std::string(kProgramTitle) + "   通り名の設定"));
  forms_[0] = OpenLineNameAxis(LineNameAxisOf(b_, Dir::X));
  forms_[1] = OpenLineNameAxis(LineNameAxisOf(b_, Dir::Y));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("通り名の種類を選択してください。"));
  auto* row = new QHBoxLayout;
  row->addWidget(makeFrame(0));
  row->addWidget(makeFrame(1));
  row->addWidget(new NamingDiagram);
  layout->addLayout(row);
  auto* note = new QLabel("｢逆並び」にチェックを付けると右端および上端を原点に通り名を付けます。");
  note->setWordWrap(true);
  layout->addWidget(note);
  default_ = AddOkCancel(this, layout, "O K").box->addButton("デフォルト設定", QDialogButtonBox::ResetRole);
  connect(default_, &QPushButton::clicked, this, &LineNameDialog::storeDefaults);
  showForm(0);
  showForm(1);
}

QWidget* LineNameDialog::makeFrame(int axis) {
  const AxisTexts& texts = kAxes[static_cast<size_t>(axis)];
  Frame& frame = frames_[static_cast<size_t>(axis)];
  auto* box = new QGroupBox(texts.title);
  auto* grid = new QGridLayout(box);
  frame.schemes = new QButtonGroup(this);
  for (int scheme = 1; scheme <= 4; ++scheme) {
    auto* option = new QRadioButton(texts.schemes[static_cast<size_t>(scheme - 1)]);
    frame.schemes->addButton(option, scheme);
    grid->addWidget(option, scheme - 1, 0);
  }
  for (int k = 0; k < 2; ++k) {
    const int row = k == 0 ? 0 : 3;
    auto* start = new QLineEdit;
    start->setMaximumWidth(50);
    frame.start[static_cast<size_t>(k)] = start;
    grid->addWidget(new QLabel("開始番号："), row, 1);
    grid->addWidget(start, row, 2);
  }
  frame.reverse = new QCheckBox("逆並び");
  frame.reverse->setToolTip(texts.reverseTip);
  grid->addWidget(frame.reverse, 4, 0);
  connect(frame.schemes, &QButtonGroup::idClicked, this, [this, axis](int scheme) { chooseScheme(axis, scheme); });
  return box;
}

void LineNameDialog::chooseScheme(int axis, int scheme) {
  LineNameAxisForm form = formOf(axis);
  ChooseLineScheme(form, scheme);
  forms_[static_cast<size_t>(axis)] = form;
  showForm(axis);
}

void LineNameDialog::showForm(int axis) {
  const LineNameAxisForm& form = forms_[static_cast<size_t>(axis)];
  const Frame& frame = frames_[static_cast<size_t>(axis)];
  frame.schemes->button(form.scheme)->setChecked(true);
  for (size_t k = 0; k < 2; ++k) {
    // A disabled box is emptied and greyed.
    frame.start[k]->setText(form.startEnabled[k] ? Q(form.startText[k]) : QString());
    frame.start[k]->setEnabled(form.startEnabled[k]);
  }
  frame.reverse->setChecked(form.reverse);
}

LineNameAxisForm LineNameDialog::formOf(int axis) const {
  LineNameAxisForm form = forms_[static_cast<size_t>(axis)];
  const Frame& frame = frames_[static_cast<size_t>(axis)];
  form.scheme = frame.schemes->checkedId();
  for (size_t k = 0; k < 2; ++k) form.startText[k] = frame.start[k]->text().toStdString();
  form.reverse = frame.reverse->isChecked();
  return form;
}

void LineNameDialog::storeDefaults() {
  if (prompts_.askOkCancelDefaultCancel(kLineNameDefaultQuestion))
    StoreLineNameDefaults(defaults_, b_, formOf(0), formOf(1));
}

void LineNameDialog::accept() {
  doc_.apply(LineNameDialogCommand(b_, formOf(0), formOf(1)));
  QDialog::accept();
}

}  // namespace tvk
