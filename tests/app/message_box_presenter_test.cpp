// The message boxes the user sees: a short message still gets a box wide enough for the whole
// of its title.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/message_box_presenter.h"

class MessageBoxPresenterTest : public QObject {
  Q_OBJECT

 private slots:
  void aShortMessageShowsItsWholeTitle() {
    const QString title = QStringLiteral("Lumetra 2.6 - Written by Taviel");
    int width = 0;
    QTimer::singleShot(0, this, [&] {  // while the box is up; closing it ends the wait
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      width = box->width();
      box->accept();
    });
    MessageBoxPresenter().show(nullptr, title, QStringLiteral("Select a subtitle!"),
                               lumetra::MessageIcon::Critical);
    // Room for the title in a bold font, and for the icon and buttons of a title bar.
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(title) + 100,
             qPrintable(QString::number(width)));
  }

  // The question before a file is replaced: Yes and No, and Enter alone answers No.
  void theReplaceQuestionDefaultsToNo() {
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
      QTimer::singleShot(0, this, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QVERIFY(box->defaultButton() == box->button(QMessageBox::No));
        box->button(button)->click();
      });
      QCOMPARE(MessageBoxPresenter().ask(nullptr, QStringLiteral("Lumetra"),
                                         QStringLiteral("m.srt already exists.")),
               button == QMessageBox::Yes);
    }
  }
};

QTEST_MAIN(MessageBoxPresenterTest)
#include "message_box_presenter_test.moc"
