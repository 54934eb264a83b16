#include "ui/dialogs/multiplier_box.h"

#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/side_controls.h"
#include "model/number_format.h"

namespace tvk {

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow) {
  auto* button = new QToolButton;
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFixedSize(18, 12);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

// Whether a key reaches the box. Keys that type nothing (cursor keys, Home, End, Delete,
// Tab, Esc) move and edit as usual; Enter and every character outside the box's rule are
// swallowed.
bool Accepts(const QKeyEvent& key) {
  const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
  if (ctrl && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
    return MultiplierBoxAccepts(static_cast<char32_t>(U'a' + (key.key() - Qt::Key_A)), true);
  }
  if (key.key() == Qt::Key_Backspace) return MultiplierBoxAccepts(U'\b', false);
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return false;
  const QList<uint> typed = key.text().toUcs4();
  if (typed.isEmpty() || typed.front() < 0x20 || typed.front() == 0x7f) return true;
  return MultiplierBoxAccepts(static_cast<char32_t>(typed.front()), ctrl);
}

// Whether text an input method commits may enter the box: only characters the keys may type.
bool Accepts(const QInputMethodEvent& event) {
  const QList<uint> typed = event.commitString().toUcs4();
  return std::all_of(typed.begin(), typed.end(),
                     [](uint ch) { return MultiplierBoxAccepts(static_cast<char32_t>(ch), false); });
}

}  // namespace

MultiplierBox::MultiplierBox(QWidget* parent) : QWidget(parent), edit_(new QLineEdit) {
  edit_->setAlignment(Qt::AlignRight);
  edit_->setFixedWidth(56);
  // Numbers are typed half-width; a Japanese input method left on would commit full-width
  // text past the key filter.
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit_->installEventFilter(this);
  auto* up = ArrowButton(Qt::UpArrow);
  auto* down = ArrowButton(Qt::DownArrow);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up);
  arrows->addWidget(down);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_);
  row->addLayout(arrows);
  connect(up, &QToolButton::clicked, this, [this] { spin(1); });
  connect(down, &QToolButton::clicked, this, [this] { spin(-1); });
  connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!showing_) emit valueEdited(MultiplierBoxValue(text.toStdString()));
  });
}

QString MultiplierBox::text() const { return edit_->text(); }

void MultiplierBox::showValue(float value) {
  showing_ = true;
  edit_->setText(QString::fromStdString(FormatFixed(value, 1)));
  showing_ = false;
}

void MultiplierBox::spin(int step) {
  if (const auto next = SpinMultiplierBox(edit_->text().toStdString(), step)) {
    edit_->setText(QString::fromStdString(*next));
  }
}

bool MultiplierBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress && !Accepts(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (watched == edit_ && event->type() == QEvent::InputMethod && !Accepts(*static_cast<QInputMethodEvent*>(event))) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tvk
