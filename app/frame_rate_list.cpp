#include "app/frame_rate_list.h"

#include <QListWidget>

#include "app/position_list.h"

QListWidget* MakeFrameRateList(const char* name) {
  auto* list = new PositionList(static_cast<int>(lumetra::kFrameRates.size()));
  list->setObjectName(QString::fromLatin1(name));
  for (const lumetra::ListedFrameRate& rate : lumetra::kFrameRates) {
    auto* item = new QListWidgetItem(QString::fromLatin1(rate.text.data(), rate.text.size()), list);
    item->setData(Qt::UserRole, rate.value);
  }
  return list;
}

double SelectedFrameRate(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? 0.0 : selected.first()->data(Qt::UserRole).toDouble();
}

void SelectFrameRate(QListWidget* list, const lumetra::ListedFrameRate& rate) {
  SelectPosition(list, static_cast<int>(&rate - lumetra::kFrameRates.data()));
}
