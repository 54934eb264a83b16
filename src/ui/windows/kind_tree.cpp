#include "ui/windows/kind_tree.h"

#include <QMouseEvent>

#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

constexpr int kKeyRole = Qt::UserRole;

std::string KeyOf(const QTreeWidgetItem* item) { return item->data(0, kKeyRole).toString().toStdString(); }

bool IsHeading(const QTreeWidgetItem* item) { return item->childCount() > 0; }

}  // namespace

KindTree::KindTree(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setItemsExpandable(false);
  setRootIsDecorated(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item, QTreeWidgetItem* before) {
    if (item == nullptr) return;
    if (!IsHeading(item)) {
      emit kindChosen(KeyOf(item));
    } else if (before != nullptr && !IsHeading(before)) {
      // Reached some other way than a press or the arrow keys (typing a name): back.
      const QSignalBlocker quiet(this);
      setCurrentItem(before);
    }
  });
}

void KindTree::showKinds(const std::vector<KindNode>& nodes, const std::string& key) {
  const QSignalBlocker quiet(this);
  clear();
  QFont headingFont = font();
  headingFont.setBold(true);
  for (const KindNode& node : nodes) {
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, Q(node.text));
    item->setData(0, kKeyRole, Q(node.key));
    if (node.children.empty()) continue;
    item->setFlags(Qt::ItemIsEnabled);  // not selectable
    item->setFont(0, headingFont);
    for (const KindNode& leaf : node.children) {
      auto* child = new QTreeWidgetItem(item);
      child->setText(0, Q(leaf.text));
      child->setData(0, kKeyRole, Q(leaf.key));
    }
  }
  expandAll();
  if (QTreeWidgetItem* chosen = itemOfKey(key)) {
    setCurrentItem(chosen);
    scrollToItem(chosen);
  }
}

std::string KindTree::highlightedKey() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.size() == 1 ? KeyOf(selected.front()) : std::string();
}

QTreeWidgetItem* KindTree::itemOfKey(const std::string& key) const {
  for (QTreeWidgetItem* item : findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
    if (KeyOf(item) == key) return item;
  }
  return nullptr;
}

QModelIndex KindTree::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const bool up = action == MoveUp || action == MovePrevious || action == MovePageUp || action == MoveEnd;
  QModelIndex next = QTreeWidget::moveCursor(action, modifiers);
  while (next.isValid() && IsHeading(itemFromIndex(next))) next = up ? indexAbove(next) : indexBelow(next);
  // Above the first heading there is no leaf: stay.
  return next.isValid() ? next : currentIndex();
}

void KindTree::mousePressEvent(QMouseEvent* event) {
  const QTreeWidgetItem* item = itemAt(event->position().toPoint());
  if (item != nullptr && IsHeading(item)) {
    emit headingPressed(KeyOf(item));
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

}  // namespace tvk
