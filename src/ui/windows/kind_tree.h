#pragma once
// The member-kind list beside the canvas: the groups with their leaves, always open. Only
// a leaf can be chosen, by click or by the arrow keys (which pass over the group headings);
// a heading takes no highlight, so the highlighted entry is always the active kind. A press
// on a heading is reported (the window beeps) and changes nothing.

#include <QTreeWidget>
#include <string>
#include <vector>

#include "editor/view_state.h"

namespace tvk {

class KindTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit KindTree(QWidget* parent = nullptr);

  // Shows the entries, the one with the list key highlighted.
  void showKinds(const std::vector<KindNode>& nodes, const std::string& key);
  // The list key of the highlighted entry; empty when none is.
  std::string highlightedKey() const;
  // The entry with a list key, or nullptr.
  QTreeWidgetItem* itemOfKey(const std::string& key) const;

 signals:
  void kindChosen(const std::string& key);
  void headingPressed(const std::string& key);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace tvk
