#include "ui/HistoryParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>

namespace solo::ui {

QString LocalTime(const std::string& utc) {
  QDateTime t = QDateTime::fromString(QString::fromStdString(utc), "yyyy-MM-dd HH:mm:ss");
  if (!t.isValid()) return QString::fromStdString(utc);
  t.setTimeSpec(Qt::UTC);
  return t.toLocalTime().toString("yyyy-MM-dd HH:mm");
}

QComboBox* AddHandsFilter(QBoxLayout* layout, const QString& accessibleName) {
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Hands:"));
  auto* filter = new QComboBox;
  filter->addItems({"This run of the game", "The last 100 hands", "All time"});
  filter->setAccessibleName(accessibleName);
  top->addWidget(filter);
  top->addStretch();
  layout->addLayout(top);
  return filter;
}

}  // namespace solo::ui
