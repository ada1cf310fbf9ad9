// The Fit to movie tab: a fit runs off the window's thread and reports as the other
// operations do, the tab is the eighth and its fields are kept like the others.
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/fit_picture_view.h"
#include "app/position_list.h"
#include "app/support/started_window.h"

class FitTabTest : public QObject {
  Q_OBJECT

 private slots:
  void fitsAndReports_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("written");
    QTest::newRow("two points") << 2 << "1=10,2=20"
                                << "The subtitle is fitted to the movie." << true;
    QTest::newRow("points unreadable") << 2 << "1=10"
                                       << "Give two entries" << false;
    QTest::newRow("no movie") << 0 << ""
                              << "Select a movie!" << false;
    QTest::newRow("no subtitle that fits") << 1 << ""
                                           << "Select a subtitle that fits!" << false;
  }
  void fitsAndReports() {
    QFETCH(int, source);
    QFETCH(QString, points);
    QFETCH(QString, message);
    QFETCH(bool, written);
    StartedWindow started;
    started.find<QTabWidget>("TabAction")->setCurrentIndex(7);
    started.input("in.srt",
                  "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n"
                  "2\r\n00:00:03,000 --> 00:00:04,000\r\nb\r\n");
    started.find<QRadioButton>("optSubRip")->setChecked(true);
    SelectPosition(started.find<QListWidget>("lstFitSource"), source);
    started.set("txtFitPoints", points);
    started.press("cmdFit");
    QTRY_COMPARE(started.presenter.messages.size(), std::size_t(1));
    QVERIFY(started.presenter.messages[0].text.startsWith(message));
    QTRY_VERIFY(started.find<QPushButton>("cmdFit")->isEnabled());
    QVERIFY(started.find<QPushButton>("cmdAfsluiten")->isEnabled());
    QCOMPARE(started.window.windowTitle(), QString::fromStdString(lumetra::TitleText()));
    QCOMPARE(QFile::exists(started.dir.filePath("in - fitted.srt")), written);
    QCOMPARE(started.find<FitPictureView>("picFit")->hasPicture(), written);
    if (written)  // entry 1 from 1 s to 10 s, entry 2 from 3 s to 20 s: five times as slow
      QVERIFY(started.read("in - fitted.srt").contains("00:00:20,000 --> 00:00:25,000"));
  }

  void tabAndFieldsAreRestored() {
    StartedWindow started(kWelcomed +
                          "SaveSettings=1\n[Settings]\nLastAction=7\n"
                          "Fit-movie=/movies/a.mkv\nFit-source=2\n"
                          "Fit-points=3=1:00,9=2:00\n");
    QCOMPARE(started.find<QTabWidget>("TabAction")->currentIndex(), 7);
    QCOMPARE(started.find<QTabWidget>("TabAction")->tabText(7), QStringLiteral("Fit to mo&vie"));
    QCOMPARE(started.find<QLineEdit>("txtFitMovie")->text(), QStringLiteral("/movies/a.mkv"));
    QCOMPARE(SelectedPosition(started.find<QListWidget>("lstFitSource")), 2);
    QCOMPARE(started.find<QLineEdit>("txtFitPoints")->text(), QStringLiteral("3=1:00,9=2:00"));
  }
};

QTEST_MAIN(FitTabTest)
#include "fit_tab_test.moc"
