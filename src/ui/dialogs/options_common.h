#pragma once
// What the three calculation-option dialogs share: the title (the dialog's name, three
// spaces and the building name), the OK / ｷｬﾝｾﾙ / default button row and the default
// question.

#include <QDialog>
#include <functional>
#include <string>

class QBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace tvk {

class Building;
class Document;
struct CalcSettings;
struct DefaultSettings;
class UserPrompts;

// The first line, an empty line and "(変更したデフォルトは、次回新規データから有効になります。)".
std::string DefaultQuestion(const char* firstLine);

struct OptionButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* setDefault = nullptr;
};
// Adds the OK / ｷｬﾝｾﾙ / default button row to a dialog's layout; ｷｬﾝｾﾙ rejects the
// dialog, the other two are the caller's.
OptionButtons AddOptionButtons(QDialog* dialog, QBoxLayout* layout, const char* defaultCaption);

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  QPushButton* okButton() const { return ok_; }
  QPushButton* defaultButton() const { return default_; }

 protected:
  OptionsDialog(const char* name, Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent);
  // Adds the button row below the dialog's content: OK runs ok(), the default button
  // storeDefault(), ｷｬﾝｾﾙ closes without change.
  void addButtons(const char* defaultCaption);
  virtual void ok() = 0;
  virtual void storeDefault() = 0;
  // The project's settings with a change, applied to the document as one command.
  void storeSettings(const std::function<void(CalcSettings&)>& change);

  Document& doc_;
  const Building& b_;
  DefaultSettings& defaults_;
  UserPrompts& prompts_;
  QVBoxLayout* layout_;

 private:
  QPushButton* ok_ = nullptr;
  QPushButton* default_ = nullptr;
};

}  // namespace tvk
