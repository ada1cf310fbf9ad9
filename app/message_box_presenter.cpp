#include "app/message_box_presenter.h"

#include <QMessageBox>

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
}  // namespace

void MessageBoxPresenter::show(QWidget* parent, const QString& title, const QString& text,
                               lumetra::MessageIcon icon) {
  QString shown = text;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(BoxIcon(icon), title, shown, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);  // file names and error texts are shown as they are
  box.exec();
}
