#pragma once
// The card table for screen readers: the table is painted, not built of widgets, so its
// accessible face lists what a sighted player reads off it: each card of South's hand by name
// ("Queen of Spades"), the cards of the trick on the table, and the contract panel's lines.
#include <QAccessibleWidget>

#include <memory>
#include <vector>

namespace solo::ui {

class TableView;

class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(TableView* view);
  ~TableAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  // Installs the factory that gives every TableView this face.
  static void Install();

 private:
  class Item;
  // Brings the items up to what the table shows now. Items are kept for the life of the
  // table (a screen reader may hold on to them) and given new names as the table changes.
  void Refresh() const;

  mutable std::vector<Item*> items_;
  mutable int count_ = 0;
};

}  // namespace solo::ui
