#pragma once
// The storey-2 N-transmission check view (２階Ｎ値伝達ﾁｪｯｸ): the check page of the last
// calculation with a zoom list, a print button that confirms the printer, and a close
// button. It is modeless and stays open until closed.

#include "ui/preview/page_window.h"

class QComboBox;

namespace tvk {

class Building;
class Document;

inline constexpr const char* kCheckViewTitle = "２階Ｎ値伝達ﾁｪｯｸ";

// The zoom list: "全体表示", "120(%)", "150(%)", "200(%)".
QStringList CheckViewZoomTexts();
// The print question: what is printed, two CRs, "ﾌﾟﾘﾝﾀ名： " + the printer name.
std::string CheckViewPrintQuestion(const std::string& printerName);

class CheckViewWindow : public PageWindow {
  Q_OBJECT

 public:
  // Draws the page from building's current results; the caller has calculated them.
  CheckViewWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts = nullptr);
  ~CheckViewWindow() override;

  // Draws the page again from the building's current results.
  void refresh();
  // Zoom list entry (0..3).
  void setZoomIndex(int index);
  // The print button: asks, then prints the page.
  void print();

 private:
  QComboBox* zoom_;
};

// Calculates the building as the report does and shows owner's check view (made on first
// use, owned by owner; redrawn when already open).
CheckViewWindow* OpenCheckView(Document& document, const FigureFonts& fonts, QWidget* owner);

}  // namespace tvk
