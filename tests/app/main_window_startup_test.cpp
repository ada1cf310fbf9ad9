// Start-up from nothing stored and from stored values, the first-run test, and what Exit and
// closing the window write.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"

namespace {

int Selected(const QWidget& window, const char* list) {
  const QListWidget* widget = Find<QListWidget>(window, list);
  const auto items = widget->selectedItems();
  return items.isEmpty() ? -1 : widget->row(items.first());
}

QString Text(const QWidget& window, const char* box) {
  return Find<QLineEdit>(window, box)->text();
}

bool Checked(const QWidget& window, const char* box) {
  return Find<QAbstractButton>(window, box)->isChecked();
}

const char* kEveryFieldStored =
    "[General]\nVersie=2.6\nEersteKeer=1\nSaveSettings=1\nOutputAsInput=0\nDeleteSource=1\n"
    "OutputFormatIsInputFormat=0\n"
    "[Settings]\nLastAction=3\nSourceFramerate=4\nDestinationFrameRate=0\nSegmentSize=90000\n"
    "NumberOfSegments=5\nSynchronize=-2500\nCorrect-I/l=0\nCorrect-quotes=0\n"
    "Correct-?./!.=1\nCorrect-Numbers=0\nGuess-movielength=5400\nGuess-correction=7\n"
    "Begin-character=(\nEnd-character=)\nOutputFormat=SubRip\nLanguage=Frans\n";

}  // namespace

class MainWindowStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void firstRunWithNothingStored() {
    TempIniStore store;
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();

    QCOMPARE(window.objectName(), QStringLiteral("frmLumetraMain"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Lumetra 2.6 - Written by Taviel"));
    QCOMPARE(Selected(window, "lstCurrentFrameRate"), 2);
    QCOMPARE(Selected(window, "lstNewFrameRate"), 2);
    QCOMPARE(Selected(window, "lstConvertFrameRate"), 2);
    QCOMPARE(Selected(window, "lstGuessCorrection"), -1);
    QCOMPARE(Find<QTabWidget>(window, "TabAction")->currentIndex(), 0);
    QCOMPARE(Text(window, "txtSec"), QStringLiteral("7200"));
    QCOMPARE(Text(window, "txtFrames"), QStringLiteral("180000"));
    QCOMPARE(Text(window, "txtSynchronize"), QStringLiteral("0 sec"));
    QCOMPARE(Find<QLabel>(window, "lblInputFileInformation")->text(),
             QStringLiteral("No file selected."));
    QVERIFY(Checked(window, "optMicroDVD"));
    QVERIFY(Checked(window, "optEngels"));
    QVERIFY(Checked(window, "chkSaveSettings"));
    QVERIFY(Checked(window, "chkOutputAsInput"));
    QVERIFY(!Checked(window, "chkDeleteBronBestand"));
    QVERIFY(Checked(window, "chkOutputFormatIsInputFormat"));
    QVERIFY(Find<QLineEdit>(window, "txtBron")->isReadOnly());

    // The first-run bookkeeping is written whatever "Save settings." says; nothing else is.
    QCOMPARE(store.writtenKeys(), (QStringList{"General/EersteKeer", "General/Versie"}));
    QCOMPARE(store.storedValue("General", "EersteKeer"), QStringLiteral("1"));
    QCOMPARE(store.storedValue("General", "Versie"), QStringLiteral("2.6"));
    QVERIFY2(!window.isEnabled(), "the welcome page holds the main window");
    QVERIFY(presenter.messages.empty());
  }

  void controlsCarryTheirDesignCaptions() {
    TempIniStore store;
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    const auto* tabs = Find<QTabWidget>(window, "TabAction");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
      captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"Split", "Correct", "Change FrameRate", "Synchronize",
                                    "Delete comments", "Convert", "Guess framerate"}));
    QCOMPARE(Find<QGroupBox>(window, "Frame20")->title(), QString());
    QCOMPARE(Find<QGroupBox>(window, "frame7")->title(), QStringLiteral("Output framerate"));
    QCOMPARE(Find<QAbstractButton>(window, "optEngels")->text(),
             QStringLiteral("English (&& Other)"));
    QCOMPARE(Find<QLineEdit>(window, "txtFrames")->maxLength(), 10);
    QCOMPARE(Find<QLineEdit>(window, "txtCommentsCharacterbegin")->maxLength(), 1);
    const auto* scroll = Find<QScrollBar>(window, "HScroll1");
    QCOMPARE(scroll->minimum(), -30000);
    QCOMPARE(scroll->maximum(), 30000);
    QCOMPARE(scroll->orientation(), Qt::Horizontal);
    QCOMPARE(Find<QListWidget>(window, "lstGuessCorrection")->count(), 11);
  }

  void restoresEveryStoredField() {
    TempIniStore store(QString::fromLatin1(kEveryFieldStored));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();

    QCOMPARE(Find<QTabWidget>(window, "TabAction")->currentIndex(), 3);
    QCOMPARE(Selected(window, "lstCurrentFrameRate"), 4);
    QCOMPARE(Selected(window, "lstConvertFrameRate"), 4);
    QCOMPARE(Selected(window, "lstNewFrameRate"), 0);
    QCOMPARE(Text(window, "txtFrames"), QStringLiteral("90000"));
    QCOMPARE(Text(window, "txtSec"), QStringLiteral("3000"));  // derived at 30 fps
    QCOMPARE(Text(window, "txtNumberOfSegments"), QStringLiteral("5"));
    QCOMPARE(Find<QScrollBar>(window, "HScroll1")->value(), -2500);
    QCOMPARE(Text(window, "txtSynchronize"), QStringLiteral("- 2.5 sec"));
    QVERIFY(!Checked(window, "chkIl"));
    QVERIFY(!Checked(window, "chkQuotes"));
    QVERIFY(Checked(window, "chkLeesteken"));
    QVERIFY(!Checked(window, "chkGetallen"));
    QCOMPARE(Text(window, "txtLengteFilm"), QStringLiteral("5400"));
    QCOMPARE(Selected(window, "lstGuessCorrection"), 7);
    QCOMPARE(Text(window, "txtCommentsCharacterbegin"), QStringLiteral("("));
    QCOMPARE(Text(window, "txtCommentsCharacterEnd"), QStringLiteral(")"));
    QVERIFY(Checked(window, "optSubRip"));
    QVERIFY(Checked(window, "optFrans"));
    QVERIFY(!Checked(window, "chkOutputAsInput"));
    QVERIFY(Checked(window, "chkDeleteBronBestand"));
    QVERIFY(!Checked(window, "chkOutputFormatIsInputFormat"));

    QVERIFY(presenter.messages.empty());
    QVERIFY2(store.writes.empty(), "no welcome page on a later run");
    QVERIFY(window.isEnabled());
  }

  // Each row stores one bad value on top of good ones; that step is skipped silently.
  void badStoredValueSkipsItsStep_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tab index 9") << "LastAction=9"
                                 << "TabAction"
                                 << "0";
    QTest::newRow("rate not a number") << "SourceFramerate=abc"
                                       << "lstCurrentFrameRate"
                                       << "2";
    QTest::newRow("rate position 5") << "SourceFramerate=5"
                                     << "lstCurrentFrameRate"
                                     << "2";
    QTest::newRow("new rate -1") << "DestinationFrameRate=-1"
                                 << "lstNewFrameRate"
                                 << "2";
    QTest::newRow("shift out of range") << "Synchronize=40000"
                                        << "HScroll1"
                                        << "0";
    QTest::newRow("check box text") << "Correct-I/l=yes"
                                    << "chkIl"
                                    << "1";
    QTest::newRow("check box 2") << "Correct-Numbers=2"
                                 << "chkGetallen"
                                 << "1";
    QTest::newRow("correction 11") << "Guess-correction=11"
                                   << "lstGuessCorrection"
                                   << "-1";
    QTest::newRow("correction none") << "Guess-correction=-1"
                                     << "lstGuessCorrection"
                                     << "-1";
    QTest::newRow("format srt") << "OutputFormat=srt"
                                << "optMicroDVD"
                                << "1";
    QTest::newRow("language other") << "Language=Deutsch"
                                    << "optEngels"
                                    << "1";
    QTest::newRow("option not a number") << "OutputAsInput=x"
                                         << "chkOutputAsInput"
                                         << "1";
  }
  void badStoredValueSkipsItsStep() {
    QFETCH(QString, line);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    const bool general = line.startsWith(QLatin1String("OutputAsInput"));
    TempIniStore store(
        QStringLiteral("[General]\nSaveSettings=1\nEersteKeer=1\n%1\n[Settings]\n%2\n")
            .arg(general ? line : QString(), general ? QString() : line));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();

    const QByteArray name = control.toLatin1();
    QString actual;
    if (auto* tabs = window.findChild<QTabWidget*>(control)) {
      actual = QString::number(tabs->currentIndex());
    } else if (window.findChild<QListWidget*>(control)) {
      actual = QString::number(Selected(window, name.constData()));
    } else if (auto* scroll = window.findChild<QScrollBar*>(control)) {
      actual = QString::number(scroll->value());
    } else {
      actual = Checked(window, name.constData()) ? QStringLiteral("1") : QStringLiteral("0");
    }
    QCOMPARE(actual, expected);
    QCOMPARE(presenter.texts(), QStringList());
  }

  // Stored texts of the number fields are validated like a user's entry, with its message.
  void storedFieldTextsAreValidated_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    QTest::newRow("segment size letters") << "SegmentSize=abc"
                                          << "txtFrames"
                                          << "180000"
                                          << "This field must be numeric!\rPlease enter a number.";
    QTest::newRow("segments letters") << "NumberOfSegments=x"
                                      << "txtNumberOfSegments"
                                      << "2"
                                      << "This field must be numeric!\rPlease enter a number.";
    QTest::newRow("movie length negative")
        << "Guess-movielength=-5"
        << "txtLengteFilm"
        << "5"
        << "This field must contain a positive number!\rPlease enter a positive number.";
  }
  void storedFieldTextsAreValidated() {
    QFETCH(QString, line);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    TempIniStore store(
        QStringLiteral("[General]\nSaveSettings=1\nEersteKeer=1\n[Settings]\n%1\n").arg(line));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    QCOMPARE(Text(window, field.toLatin1().constData()), expected);
    QCOMPARE(presenter.texts(), QStringList{message});
    QCOMPARE(presenter.messages.front().icon, lumetra::MessageIcon::Critical);
    QCOMPARE(presenter.messages.front().title, QStringLiteral("Lumetra 2.6 - Written by Taviel"));
  }

  void saveSettingsOffLeavesTheSettingsSectionUnread() {
    TempIniStore store(
        QStringLiteral("[General]\nSaveSettings=0\nEersteKeer=1\n[Settings]\nLastAction=3\n"
                       "Language=Frans\n"));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    QCOMPARE(Find<QTabWidget>(window, "TabAction")->currentIndex(), 0);
    QVERIFY(Checked(window, "optEngels"));
    QVERIFY(!Checked(window, "chkSaveSettings"));
  }

  void anEarlierVersionIsWelcomedAgain() {
    TempIniStore store(QStringLiteral("[General]\nVersie=2.5\nEersteKeer=1\n"));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    QCOMPARE(store.storedValue("General", "Versie"), QStringLiteral("2.6"));
    QCOMPARE(store.writtenKeys(), (QStringList{"General/EersteKeer", "General/Versie"}));
    QVERIFY(!window.isEnabled());
  }

  void exitStoresEveryFieldAndTheNextStartRestoresIt() {
    TempIniStore store(QStringLiteral("[General]\nEersteKeer=1\n"));
    {
      RecordingPresenter presenter;
      MainWindow window(store, presenter);
      window.formLoad();
      Find<QTabWidget>(window, "TabAction")->setCurrentIndex(6);
      Find<QListWidget>(window, "lstCurrentFrameRate")->setCurrentRow(0);
      Find<QListWidget>(window, "lstNewFrameRate")->setCurrentRow(3);
      Find<QLineEdit>(window, "txtFrames")->setText(QStringLiteral("100000"));
      Find<QLineEdit>(window, "txtNumberOfSegments")->setText(QStringLiteral("4"));
      Find<QScrollBar>(window, "HScroll1")->setValue(1500);
      Find<QCheckBox>(window, "chkQuotes")->setChecked(false);
      Find<QLineEdit>(window, "txtLengteFilm")->setText(QStringLiteral("6000"));
      Find<QLineEdit>(window, "txtCommentsCharacterbegin")->setText(QStringLiteral("{"));
      Find<QLineEdit>(window, "txtCommentsCharacterEnd")->setText(QStringLiteral("}"));
      Find<QRadioButton>(window, "optSubRip")->setChecked(true);
      Find<QRadioButton>(window, "optFrans")->setChecked(true);
      Find<QCheckBox>(window, "chkDeleteBronBestand")->setChecked(true);
      store.writes.clear();
      Find<QPushButton>(window, "cmdAfsluiten")->click();
      QVERIFY(!window.isVisible());
    }
    QCOMPARE(store.writtenKeys(),
             (QStringList{"General/OutputAsInput",         "General/DeleteSource",
                          "General/SaveSettings",          "General/OutputFormatIsInputFormat",
                          "Settings/LastAction",           "Settings/SourceFramerate",
                          "Settings/DestinationFrameRate", "Settings/SegmentSize",
                          "Settings/NumberOfSegments",     "Settings/Synchronize",
                          "Settings/Correct-I/l",          "Settings/Correct-quotes",
                          "Settings/Correct-?./!.",        "Settings/Correct-Numbers",
                          "Settings/Guess-movielength",    "Settings/Guess-correction",
                          "Settings/Begin-character",      "Settings/End-character",
                          "Settings/OutputFormat",         "Settings/Language"}));
    QCOMPARE(store.storedValue("Settings", "Guess-correction"), QStringLiteral("-1"));
    QCOMPARE(store.storedValue("Settings", "Synchronize"), QStringLiteral("1500"));
    QCOMPARE(store.storedValue("Settings", "Correct-quotes"), QStringLiteral("0"));
    QCOMPARE(store.storedValue("General", "DeleteSource"), QStringLiteral("1"));

    RecordingPresenter presenter;
    MainWindow next(store, presenter);
    next.formLoad();
    QCOMPARE(Find<QTabWidget>(next, "TabAction")->currentIndex(), 6);
    QCOMPARE(Selected(next, "lstCurrentFrameRate"), 0);
    QCOMPARE(Selected(next, "lstNewFrameRate"), 3);
    QCOMPARE(Text(next, "txtFrames"), QStringLiteral("100000"));
    QCOMPARE(Text(next, "txtSec"), QStringLiteral("4170"));  // 100000 / 23.976
    QCOMPARE(Text(next, "txtNumberOfSegments"), QStringLiteral("4"));
    QCOMPARE(Text(next, "txtSynchronize"), QStringLiteral("+ 1.5 sec"));
    QVERIFY(!Checked(next, "chkQuotes"));
    QCOMPARE(Text(next, "txtLengteFilm"), QStringLiteral("6000"));
    QCOMPARE(Selected(next, "lstGuessCorrection"), -1);
    QCOMPARE(Text(next, "txtCommentsCharacterbegin"), QStringLiteral("{"));
    QCOMPARE(Text(next, "txtCommentsCharacterEnd"), QStringLiteral("}"));
    QVERIFY(Checked(next, "optSubRip"));
    QVERIFY(Checked(next, "optFrans"));
    QVERIFY(Checked(next, "chkDeleteBronBestand"));
    QVERIFY(presenter.messages.empty());
  }

  void closingStoresTheSameKeysOnce() {
    TempIniStore exitStore(QStringLiteral("[General]\nEersteKeer=1\n"));
    TempIniStore closeStore(QStringLiteral("[General]\nEersteKeer=1\n"));
    RecordingPresenter presenter;
    MainWindow byExit(exitStore, presenter);
    MainWindow byClose(closeStore, presenter);
    byExit.formLoad();
    byClose.formLoad();
    byExit.show();
    byClose.show();
    exitStore.writes.clear();
    closeStore.writes.clear();

    Find<QPushButton>(byExit, "cmdAfsluiten")->click();
    QVERIFY(byClose.close());
    byExit.close();  // after Exit nothing is written again
    QCOMPARE(exitStore.writtenKeys().size(), 20);
    QCOMPARE(closeStore.writtenKeys(), exitStore.writtenKeys());
    QCOMPARE(closeStore.fileText(), exitStore.fileText());
  }

  void storedSaveSettingsOffWritesNothingAtExit() {
    TempIniStore store(QStringLiteral("[General]\nEersteKeer=1\nSaveSettings=0\n"));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    // The check box alone does not count: only a stored value does.
    Find<QCheckBox>(window, "chkSaveSettings")->setChecked(true);
    Find<QPushButton>(window, "cmdAfsluiten")->click();
    QVERIFY(store.writes.empty());
    QVERIFY(!store.fileText().contains(QLatin1String("[Settings]")));
  }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
