#include "app/position_list.h"

QItemSelectionModel::SelectionFlags PositionList::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
  (void)event;
  if (!index.isValid())
    return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

int SelectedPosition(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

void SelectPosition(QListWidget* list, int position) {
  if (position < 0) {
    list->clearSelection();
    return;
  }
  list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
}

QString SelectedText(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

void FitListHeight(QListWidget* list, int rows) {
  const int rowHeight =
      list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 2;
  list->setFixedHeight(rowHeight * rows + 2 * list->frameWidth() + 2);
}
