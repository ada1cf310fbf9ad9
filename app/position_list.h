#pragma once

#include <QListWidget>

// A list box as the window's lists behave: a click selects the row under the mouse and
// nothing deselects it, so a list that has a selection keeps one. Code may still clear the
// selection by selecting position -1.
class PositionList : public QListWidget {
 public:
  // Tall enough for `visibleRows` entries, in whatever font the list has.
  explicit PositionList(int visibleRows);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  int visibleRows_;
};

// The selected position, -1 when nothing is selected.
int SelectedPosition(const QListWidget* list);
// Selects a position (-1 clears the selection); a change runs the list's click handler.
void SelectPosition(QListWidget* list, int position);
// The text of the selected entry, "" when nothing is selected.
QString SelectedText(const QListWidget* list);
