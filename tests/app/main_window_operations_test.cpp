// The other six operation buttons: each runs its driver with the values of its tab, shows
// its own busy caption with its own button disabled, and writes back what the driver says.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"

namespace {

const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Fixture {
  explicit Fixture(const QLocale& locale = QLocale::c()) {
    QLocale::setDefault(locale);
    window.formLoad();
    window.show();
  }
  ~Fixture() { QLocale::setDefault(QLocale::c()); }

  QString input(const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    Find<QLineEdit>(window, "txtBron")->setText(path);
    return path;
  }
  QString output(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  void press(const char* button) { Find<QPushButton>(window, button)->click(); }
  QLineEdit* box(const char* name) { return Find<QLineEdit>(window, name); }

  QTemporaryDir dir;
  TempIniStore store{QStringLiteral("[General]\nEersteKeer=1\n")};
  RecordingPresenter presenter;
  MainWindow window{store, presenter};
};

}  // namespace

class MainWindowOperationsTest : public QObject {
  Q_OBJECT

 private slots:
  // A format failure shows its message while the run is still busy: the caption and the
  // disabled own button tell which operation the window ran.
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
    Fixture f;
    f.input("bad.sub", "{100}{2x0}Hi\r\n");
    Find<QListWidget>(f.window, "lstNewFrameRate")->setCurrentRow(0);
    Find<QScrollBar>(f.window, "HScroll1")->setValue(1000);
    Find<QRadioButton>(f.window, "optSubRip")->setChecked(button == QLatin1String("cmdConvert"));
    QString caption;
    bool ownEnabled = true;
    bool othersEnabled = true;
    f.presenter.onShow = [&](const RecordingPresenter::Shown& shown) {
      caption = shown.windowCaption;
      ownEnabled = Find<QPushButton>(f.window, button.toLatin1().constData())->isEnabled();
      othersEnabled = Find<QPushButton>(f.window, "cmdAfsluiten")->isEnabled() ||
                      Find<QPushButton>(f.window, "cmdOver")->isEnabled() ||
                      Find<QPushButton>(f.window, "cmdOptions")->isEnabled();
    };
    f.press(button.toLatin1().constData());

    QCOMPARE(f.presenter.texts(),
             QStringList{"An error has occurred!\r\rThe selected file is no subtitle (or is an "
                         "unkown format)"});
    QCOMPARE(caption, kTitle + busy);
    QVERIFY(!ownEnabled);
    QVERIFY(!othersEnabled);
    QCOMPARE(f.window.windowTitle(), kTitle);
    QVERIFY(Find<QPushButton>(f.window, button.toLatin1().constData())->isEnabled());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"bad.sub"});
  }

  void changeFrameRateHandsOnTheNewRate_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("output");
    QTest::newRow("point locale") << QLocale::c() << "movie - 23.976fps.sub";
    QTest::newRow("comma locale") << QLocale(QLocale::German, QLocale::Germany)
                                  << "movie - 23,976fps.sub";
  }
  void changeFrameRateHandsOnTheNewRate() {
    QFETCH(QLocale, locale);
    QFETCH(QString, output);
    Fixture f(locale);
    f.input("movie.sub", "{1000}{1100}Hello|world\r\n");
    Find<QListWidget>(f.window, "lstNewFrameRate")->setCurrentRow(0);
    f.press("cmdChangeFrameRate");
    const QString path = f.dir.filePath(output);
    QCOMPARE(ReadAll(path), QByteArray("{959}{1055}Hello|world\r\n"));
    QCOMPARE(f.presenter.texts(), QStringList{"The framerate is changed."});
    QCOMPARE(f.box("txtBron")->text(), path);
    QCOMPARE(Find<QListWidget>(f.window, "lstCurrentFrameRate")->currentRow(), 0);
    QCOMPARE(Find<QListWidget>(f.window, "lstConvertFrameRate")->currentRow(), 0);
    QCOMPARE(Find<QLabel>(f.window, "lblInputFileInformation")->text(),
             QStringLiteral("No file selected."));
  }

  void convertWritesTheOtherFormat() {
    Fixture f;
    f.input("movie.sub", "{25}{75}Hello|world\r\n");
    Find<QRadioButton>(f.window, "optSubRip")->setChecked(true);
    f.press("cmdConvert");
    QVERIFY(ReadAll(f.output("movie - SubRip.srt"))
                .startsWith("1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld"));
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is converted."});
    QCOMPARE(Find<QLabel>(f.window, "lblInputFileInformation")->text(),
             QStringLiteral("SubRip subtitle"));
  }

  void correctReadsItsCheckBoxes() {
    Fixture f;
    f.input("movie.sub", "{1}{2}Why?. 1 2\r\n");
    Find<QCheckBox>(f.window, "chkGetallen")->setChecked(false);
    f.press("cmdCorrect");
    QCOMPARE(ReadAll(f.output("movie - corrected.sub")), QByteArray("{1}{2}Why? 1 2\r\n"));
    QVERIFY(f.presenter.texts().value(0).startsWith(QStringLiteral("The subtitle is corrected.")));
  }

  void deleteCommentsReadsItsCharactersAndClearsTheShift() {
    Fixture f;
    f.input("movie.sub", "{1}{2}(door) Hi [x]\r\n");
    f.box("txtCommentsCharacterbegin")->setText(QStringLiteral("("));
    f.box("txtCommentsCharacterEnd")->setText(QStringLiteral(")"));
    Find<QScrollBar>(f.window, "HScroll1")->setValue(2500);
    f.press("cmdDeleteComments");
    QCOMPARE(ReadAll(f.output("movie - without comments.sub")), QByteArray("{1}{2}Hi [x]\r\n"));
    QCOMPARE(f.presenter.texts(),
             QStringList{"The comments are deleted.\rNumber of deleted comments: 1"});
    QCOMPARE(Find<QScrollBar>(f.window, "HScroll1")->value(), 0);
    QCOMPARE(f.box("txtSynchronize")->text(), QStringLiteral("0 sec"));
  }

  void splitReadsItsFieldsAndKeepsTheInput() {
    Fixture f;
    const QString source = f.input("movie.sub", "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n");
    f.box("txtFrames")->setText(QStringLiteral("1000"));
    f.press("cmdSplitsen");
    QCOMPARE(ReadAll(f.output("movie - 1.sub")), QByteArray("{100}{200}A\r\n{950}{1050}B\r\n"));
    QCOMPARE(ReadAll(f.output("movie - 2.sub")), QByteArray("{0}{50}B\r\n{200}{300}C\r\n"));
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is split.\r\rNumber of segments: 2"});
    QCOMPARE(f.box("txtBron")->text(), source);
  }

  void guessShowsTheRateInTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("message");
    QTest::newRow("point locale") << QLocale::c() << "Calculated framerate: 23.226 fps";
    QTest::newRow("comma locale") << QLocale(QLocale::German, QLocale::Germany)
                                  << "Calculated framerate: 23,226 fps";
  }
  void guessShowsTheRateInTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, message);
    Fixture f(locale);
    f.input("movie.sub", "{1}{2}x\r\n{171000}{172800}Goodbye\r\n");
    Find<QListWidget>(f.window, "lstGuessCorrection")->setCurrentRow(4);
    f.press("cmdGuessFrameRate");
    QCOMPARE(f.presenter.texts(), QStringList{message});
    QCOMPARE(f.presenter.messages[0].title, QStringLiteral("Lumetra 2.6"));
  }
};

QTEST_MAIN(MainWindowOperationsTest)
#include "main_window_operations_test.moc"
