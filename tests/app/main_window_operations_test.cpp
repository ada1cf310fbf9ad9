// The other operation buttons: each runs its driver with the values of its tab, shows its own
// busy caption with its own button disabled, and writes back what the driver says.
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "app/support/started_window.h"

namespace {
const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");
const QLocale kGerman(QLocale::German, QLocale::Germany);
}  // namespace

class MainWindowOperationsTest : public QObject {
  Q_OBJECT

 private slots:
  // A format failure shows its message while the run is still busy: the caption and the
  // disabled buttons tell which operation the window ran.
  void eachButtonRunsItsOwnOperation_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("busy");
    QTest::newRow("split") << "cmdSplitsen"
                           << " - splitting...";
    QTest::newRow("correct") << "cmdCorrect"
                             << " - correcting...";
    QTest::newRow("change frame rate") << "cmdChangeFrameRate"
                                       << " - changing framerate...";
    QTest::newRow("synchronize") << "cmdSynchronize"
                                 << " - synchronizing...";
    QTest::newRow("delete comments") << "cmdDeleteComments"
                                     << " - deleting comments...";
    QTest::newRow("convert") << "cmdConvert"
                             << " - converting...";
    QTest::newRow("guess frame rate") << "cmdGuessFrameRate"
                                      << " - Guessing framerate...";
  }
  void eachButtonRunsItsOwnOperation() {
    QFETCH(QString, button);
    QFETCH(QString, busy);
    StartedWindow f;
    f.input("bad.sub", "{100}{2x0}Hi\r\n");
    f.find<QListWidget>("lstNewFrameRate")->setCurrentRow(0);
    f.find<QScrollBar>("HScroll1")->setValue(1000);
    f.find<QRadioButton>("optSubRip")->setChecked(button == QLatin1String("cmdConvert"));
    const QStringList buttons = {button + "=0", "cmdAfsluiten=0", "cmdOver=0", "cmdOptions=0"};
    QStringList seen;
    f.presenter.onShow = [&](const RecordingPresenter::Shown& shown) {
      seen << shown.windowCaption;
      for (const QString& name : buttons) {
        const QString control = name.section('=', 0, 0);
        seen << control + '=' +
                    QString::number(f.find<QPushButton>(qPrintable(control))->isEnabled());
      }
    };
    f.press(qPrintable(button));

    QCOMPARE(f.presenter.texts(),
             QStringList{"An error has occurred!\r\rThe selected file is no subtitle (or is an "
                         "unkown format)"});
    QCOMPARE(seen, QStringList{kTitle + busy} + buttons);
    QCOMPARE(f.window.windowTitle(), kTitle);
    QVERIFY(f.find<QPushButton>(qPrintable(button))->isEnabled());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"bad.sub"});
  }

  void changeFrameRateHandsOnTheNewRate_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("output");
    QTest::newRow("point locale") << QLocale::c() << "movie - 23.976fps.sub";
    QTest::newRow("comma locale") << kGerman << "movie - 23,976fps.sub";
  }
  void changeFrameRateHandsOnTheNewRate() {
    QFETCH(QLocale, locale);
    QFETCH(QString, output);
    StartedWindow f(kWelcomed, locale);
    f.input("movie.sub", "{1000}{1100}Hello|world\r\n");
    f.find<QListWidget>("lstNewFrameRate")->setCurrentRow(0);
    f.press("cmdChangeFrameRate");
    QCOMPARE(f.read(output), QByteArray("{959}{1055}Hello|world\r\n"));
    QCOMPARE(f.presenter.texts(), QStringList{"The framerate is changed."});
    const QStringList shown = {"txtBron=" + f.dir.filePath(output), "lstCurrentFrameRate=0",
                               "lstConvertFrameRate=0",
                               "lblInputFileInformation=No file selected."};
    QCOMPARE(States(f.window, shown), shown);
  }

  void convertWritesTheOtherFormat() {
    StartedWindow f;
    f.input("movie.sub", "{25}{75}Hello|world\r\n");
    f.find<QRadioButton>("optSubRip")->setChecked(true);
    f.press("cmdConvert");
    QVERIFY(f.read("movie - SubRip.srt")
                .startsWith("1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld"));
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is converted."});
    QCOMPARE(State(f.window, "lblInputFileInformation"), QStringLiteral("SubRip subtitle"));
  }

  void correctReadsItsCheckBoxes() {
    StartedWindow f;
    f.input("movie.sub", "{1}{2}Why?. 1 2\r\n");
    f.find<QCheckBox>("chkGetallen")->setChecked(false);
    f.press("cmdCorrect");
    QCOMPARE(f.read("movie - corrected.sub"), QByteArray("{1}{2}Why? 1 2\r\n"));
    QVERIFY(f.presenter.texts().value(0).startsWith(QStringLiteral("The subtitle is corrected.")));
  }

  void deleteCommentsReadsItsCharactersAndClearsTheShift() {
    StartedWindow f;
    f.input("movie.sub", "{1}{2}(door) Hi [x]\r\n");
    f.set("txtCommentsCharacterbegin", QStringLiteral("("));
    f.set("txtCommentsCharacterEnd", QStringLiteral(")"));
    f.find<QScrollBar>("HScroll1")->setValue(2500);
    f.press("cmdDeleteComments");
    QCOMPARE(f.read("movie - without comments.sub"), QByteArray("{1}{2}Hi [x]\r\n"));
    QCOMPARE(f.presenter.texts(),
             QStringList{"The comments are deleted.\rNumber of deleted comments: 1"});
    const QStringList shown = {"HScroll1=0", "txtSynchronize=0 sec"};
    QCOMPARE(States(f.window, shown), shown);
  }

  void splitReadsItsFieldsAndKeepsTheInput() {
    StartedWindow f;
    const QString source = f.input("movie.sub", "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n");
    f.set("txtFrames", QStringLiteral("1000"));
    f.press("cmdSplitsen");
    QCOMPARE(f.read("movie - 1.sub"), QByteArray("{100}{200}A\r\n{950}{1050}B\r\n"));
    QCOMPARE(f.read("movie - 2.sub"), QByteArray("{0}{50}B\r\n{200}{300}C\r\n"));
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is split.\r\rNumber of segments: 2"});
    QCOMPARE(State(f.window, "txtBron"), source);
  }

  void guessShowsTheRateInTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("message");
    QTest::newRow("point locale") << QLocale::c() << "Calculated framerate: 23.226 fps";
    QTest::newRow("comma locale") << kGerman << "Calculated framerate: 23,226 fps";
  }
  void guessShowsTheRateInTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, message);
    StartedWindow f(kWelcomed, locale);
    f.input("movie.sub", "{1}{2}x\r\n{171000}{172800}Goodbye\r\n");
    f.find<QListWidget>("lstGuessCorrection")->setCurrentRow(4);
    f.press("cmdGuessFrameRate");
    QCOMPARE(f.presenter.texts(), QStringList{message});
    QCOMPARE(f.presenter.messages[0].title, QStringLiteral("Lumetra 2.6"));
  }
};

QTEST_MAIN(MainWindowOperationsTest)
#include "main_window_operations_test.moc"
