#pragma once
// What the plan editor needs from the controls around the plan: the "ｷｬﾝｾﾙ" button, the
// position read-out and the zoom list. The side panel implements it; the questions to
// the user (ask_user.h) and the plan itself (plan_view.h) are separate.

#include <string>

namespace tvk {

class EditorHost {
 public:
  virtual ~EditorHost() = default;
  virtual void setCancelEnabled(bool enabled) = 0;  // the "ｷｬﾝｾﾙ" button
  virtual void setPositionLabels(const std::string& x, const std::string& y) = 0;
  virtual void setZoom(double factor) = 0;  // chosen in the zoom pop-up
};

}  // namespace tvk
