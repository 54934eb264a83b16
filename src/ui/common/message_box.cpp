#include "ui/common/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tvk {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogSpec& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, FromUtf8(request.title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(FromUtf8(request.filter));
  dialog.setDefaultSuffix(FromUtf8(request.defaultSuffix));
  // The callers ask their own overwrite question, with the program's wording.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QFileInfo initial(FromUtf8(request.initialPath));
  if (initial.isDir()) {
    dialog.setDirectory(initial.absoluteFilePath());
  } else {
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

QString DisplayText(std::string_view text) {
  QString shown = FromUtf8(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

bool ShowMessageBox(QWidget* parent, std::string_view text, MessageButtons buttons, const QString& title) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(DisplayText(text));
  switch (buttons) {
    case MessageButtons::Ok:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::OkCancel:
    case MessageButtons::OkCancelDefaultCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(buttons == MessageButtons::OkCancel ? QMessageBox::Ok : QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
      break;
  }
  // The buttons read as the program's users know them, whatever translations are loaded.
  const std::pair<QMessageBox::StandardButton, const char*> texts[] = {{QMessageBox::Ok, "OK"},
                                                                       {QMessageBox::Cancel, "キャンセル"},
                                                                       {QMessageBox::Yes, "はい(&Y)"},
                                                                       {QMessageBox::No, "いいえ(&N)"}};
  for (const auto& [button, text] : texts) {
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(text));
  }
  const int answer = box.exec();
  return buttons == MessageButtons::Ok || answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

bool MessageBoxPrompts::askYesNo(const std::string& text) {
  return ShowMessageBox(parent_, text, MessageButtons::YesNo);
}

bool MessageBoxPrompts::askOkCancel(const std::string& text) {
  return ShowMessageBox(parent_, text, MessageButtons::OkCancel);
}

bool MessageBoxPrompts::askYesNoDefaultNo(const std::string& text) {
  return ShowMessageBox(parent_, text, MessageButtons::YesNoDefaultNo);
}

bool MessageBoxPrompts::askOkCancelDefaultCancel(const std::string& text) {
  return ShowMessageBox(parent_, text, MessageButtons::OkCancelDefaultCancel);
}

void MessageBoxPrompts::tell(const std::string& text) { ShowMessageBox(parent_, text, MessageButtons::Ok); }

std::optional<std::string> MessageBoxPrompts::chooseOpenFile(const FileDialogSpec& request) {
  return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> MessageBoxPrompts::chooseSaveFile(const FileDialogSpec& request) {
  return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

void MessageBoxPrompts::beep() { QApplication::beep(); }

bool MessageBoxPrompts::openDocument(const std::string& path) {
  const QString file = FromUtf8(path);
  return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

PromptsRef::PromptsRef(QWidget* window, WindowPrompts* given)
    : own_(given == nullptr ? std::make_unique<MessageBoxPrompts>(window) : nullptr),
      prompts_(given == nullptr ? own_.get() : given) {}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace tvk
