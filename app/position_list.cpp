#include "app/position_list.h"

#include <QScrollBar>
#include <QStyle>

PositionList::PositionList(int visibleRows) : visibleRows_(visibleRows) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PositionList::sizeHint() const {
  // The rows' own height, so that exactly `visibleRows_` whole rows show.
  const int rowHeight = count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
  int width = qMax(sizeHintForColumn(0), fontMetrics().horizontalAdvance(QStringLiteral("00.000")));
  width += 2 * frameWidth() + fontMetrics().averageCharWidth() * 4;
  if (count() > visibleRows_)
    width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {width, rowHeight * visibleRows_ + 2 * frameWidth()};
}

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
