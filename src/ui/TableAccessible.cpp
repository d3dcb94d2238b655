#include "ui/TableAccessible.h"

#include "ui/TableView.h"

namespace solo::ui {

// One thing on the table a screen reader can name: a card, or a line of the contract panel.
class TableAccessible::Item : public QAccessibleInterface {
 public:
  explicit Item(TableAccessible* parent) : parent_(parent) {}
  void Set(QString name, QRect rect) {
    name_ = std::move(name);
    rect_ = rect;
  }
  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? name_ : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return rect_; }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    return s;
  }

 private:
  TableAccessible* parent_;
  QString name_;
  QRect rect_;
};

TableAccessible::TableAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Pane, "Card table") {}

TableAccessible::~TableAccessible() {
  for (QAccessibleInterface* item : items_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
}

void TableAccessible::Refresh() const {
  auto* view = static_cast<TableView*>(widget());
  const std::vector<TableView::Described> shown = view->Describe();
  while (items_.size() < shown.size()) {
    items_.push_back(new Item(const_cast<TableAccessible*>(this)));
    QAccessible::registerAccessibleInterface(items_.back());
  }
  for (std::size_t i = 0; i < shown.size(); ++i)
    items_[i]->Set(shown[i].name, QRect(view->mapToGlobal(shown[i].rect.topLeft()), shown[i].rect.size()));
  count_ = static_cast<int>(shown.size());
}

int TableAccessible::childCount() const {
  Refresh();
  return count_;
}

QAccessibleInterface* TableAccessible::child(int index) const {
  Refresh();
  return index >= 0 && index < count_ ? items_[index] : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < count_; ++i)
    if (items_[i] == child) return i;
  return -1;
}

void TableAccessible::Install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
    if (className == QLatin1String("solo::ui::TableView") && object && object->isWidgetType())
      return new TableAccessible(static_cast<TableView*>(object));
    return nullptr;
  });
}

}  // namespace solo::ui
