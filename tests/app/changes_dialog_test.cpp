// Correct and Delete comments list their changes first, every box ticked: "Apply" writes the
// ticked ones only and reports their count, "Cancel" writes nothing.
#include <QDir>
#include <QtTest>

#include "app/support/answer_changes.h"
#include "app/support/started_window.h"

namespace {
const QString kDone = QStringLiteral("Lumetra 2.6 - Written by Taviel|0|");
// The completion names the output; %1 stands for the test's folder.
const QString kCorrected = QStringLiteral("\r\rOutput file: %1/movie - corrected.sub");
const QString kWithout = QStringLiteral("\r\rOutput file: %1/movie - without comments.sub");
}  // namespace

class ChangesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void appliesTheTickedChanges_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("untick");  // -1: none
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QStringList>("shown");
    const QStringList corrections = {"1|00:00:01,000", "2|00:00:03,000"};
    QTest::newRow("correct, all")
        << "cmdCorrect"
        << "cmdApply" << -1 << corrections << "movie - corrected.sub"
        << QByteArray("{25}{50}It is [x]|<i>I gave</i>\r\n{75}{100}Why? [y]\r\n")
        << QStringList{kDone + "The subtitle is corrected.\r\rNumber of corrections: 2" +
                       kCorrected};
    QTest::newRow("correct, first unticked")
        << "cmdCorrect"
        << "cmdApply" << 0 << corrections << "movie - corrected.sub"
        << QByteArray("{25}{50}lt is [x]|<i>I gave</i>\r\n{75}{100}Why? [y]\r\n")
        << QStringList{kDone + "The subtitle is corrected.\r\rNumber of corrections: 1" +
                       kCorrected};
    QTest::newRow("correct, cancelled") << "cmdCorrect"
                                        << "cmdCancel" << -1 << corrections
                                        << "movie - corrected.sub" << QByteArray() << QStringList{};
    QTest::newRow("delete comments, second unticked")
        << "cmdDeleteComments"
        << "cmdApply" << 1 << corrections << "movie - without comments.sub"
        << QByteArray("{25}{50}lt is |<i>I gave</i>\r\n{75}{100}Why?. [y]\r\n")
        << QStringList{kDone + "The comments are deleted.\rNumber of deleted comments: 1" +
                       kWithout};
  }
  void appliesTheTickedChanges() {
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(int, untick);
    QFETCH(QStringList, listed);
    QFETCH(QString, output);
    QFETCH(QByteArray, written);
    QFETCH(QStringList, shown);
    StartedWindow f;
    f.input("movie.sub", "{25}{50}lt is [x]|<i>I gave</i>\r\n{75}{100}Why?. [y]\r\n");
    QStringList seen;
    AnswerChanges(answer, [&](QTableWidget& list) {
      for (int row = 0; row < list.rowCount(); ++row) {
        seen << list.item(row, 0)->text() + '|' + list.item(row, 1)->text();
        QCOMPARE(list.item(row, 0)->checkState(), Qt::Checked);
      }
      if (untick >= 0)
        list.item(untick, 0)->setCheckState(Qt::Unchecked);
    });
    f.press(qPrintable(button));
    QCOMPARE(seen, listed);
    shown.replaceInStrings("%1", f.dir.path());
    QCOMPARE(f.presenter.shown(), shown);
    QCOMPARE(f.read(output), written);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), written.isEmpty() ? 1 : 2);
    QVERIFY(f.find<QPushButton>(qPrintable(button))->isEnabled());
  }
};

QTEST_MAIN(ChangesDialogTest)
#include "changes_dialog_test.moc"
