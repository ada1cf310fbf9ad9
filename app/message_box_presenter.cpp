#include "app/message_box_presenter.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
QMessageBox::Icon BoxIcon(lumetra::MessageIcon icon) {
  switch (icon) {
    case lumetra::MessageIcon::Information:
      return QMessageBox::Information;
    case lumetra::MessageIcon::Critical:
      return QMessageBox::Critical;
    case lumetra::MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A window manager cuts a title that is wider than its window, and a short message makes a
// narrow box. The box is made wide enough for its title in a bold font, with room for the
// title bar's icon and buttons.
void FitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr)
    return;
  QFont titleFont = box.font();
  titleFont.setBold(true);
  const QFontMetrics metrics(titleFont);
  const int width = metrics.horizontalAdvance(box.windowTitle()) * 6 / 5 + 8 * metrics.height();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

QString WithLineFeeds(QString text) {
  return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

void MessageBoxPresenter::show(QWidget* parent, const QString& title, const QString& text,
                               lumetra::MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), title, WithLineFeeds(text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);  // file names and error texts are shown as they are
  FitTitle(box);
  box.exec();
}

bool MessageBoxPresenter::ask(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, WithLineFeeds(text),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  box.setTextFormat(Qt::PlainText);
  FitTitle(box);
  return box.exec() == QMessageBox::Yes;
}
