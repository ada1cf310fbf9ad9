// Start-up from nothing stored and from stored values, the first-run test, and what Exit and
// closing the window store.
#include <QtTest>

#include "app/options_dialog.h"
#include "app/support/started_window.h"

namespace {

const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");

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
  void nothingStoredShowsTheDesign() {
    StartedWindow started{QString()};
    QCOMPARE(started.window.windowTitle(), kTitle);
    const QStringList defaults = Entries(
        "lstCurrentFrameRate=2;lstNewFrameRate=2;lstConvertFrameRate=2;lstGuessCorrection=-1;"
        "TabAction=0;txtSec=7200;txtFrames=180000;txtNumberOfSegments=2;txtLengteFilm=7200;"
        "txtCommentsCharacterbegin=[;txtCommentsCharacterEnd=];chkIl=1;chkGetallen=1;"
        "txtSynchronize=0 sec;lblInputFileInformation=No file selected.;optMicroDVD=1;"
        "optEngels=1;chkSaveSettings=1;chkOutputAsInput=1;chkDeleteBronBestand=0;"
        "chkOutputFormatIsInputFormat=1");
    QCOMPARE(States(started.window, defaults), defaults);
    QVERIFY(started.presenter.messages.empty());
  }

  // The first run of a version stores its bookkeeping, whatever "Save settings." says, and
  // holds the main window behind the welcome page.
  void firstRunTest_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("welcomed");
    QTest::newRow("nothing stored") << QString() << true;
    QTest::newRow("earlier version") << "[General]\nVersie=2.5\nEersteKeer=1\n" << true;
    QTest::newRow("not yet shown") << "[General]\nVersie=2.6\nEersteKeer=0\n" << true;
    QTest::newRow("shown") << "[General]\nVersie=2.6\nEersteKeer=1\n" << false;
  }
  void firstRunTest() {
    QFETCH(QString, stored);
    QFETCH(bool, welcomed);
    StartedWindow started(stored);
    QCOMPARE(started.store.written.size(), welcomed ? 2 : 0);
    QCOMPARE(started.store.storedValue("General", "Versie"), QStringLiteral("2.6"));
    QCOMPARE(started.store.storedValue("General", "EersteKeer"), QStringLiteral("1"));
    QCOMPARE(started.window.isEnabled(), !welcomed);
  }

  void storedFieldsSurviveExitAndTheNextStart() {
    StartedWindow first(QString::fromLatin1(kEveryFieldStored));
    // txtSec is derived at 30 fps.
    const QStringList stored = Entries(
        "TabAction=3;lstCurrentFrameRate=4;lstConvertFrameRate=4;lstNewFrameRate=0;"
        "txtFrames=90000;txtSec=3000;txtNumberOfSegments=5;HScroll1=-2500;"
        "txtSynchronize=- 2.5 sec;chkIl=0;chkQuotes=0;chkLeesteken=1;chkGetallen=0;"
        "txtLengteFilm=5400;lstGuessCorrection=7;txtCommentsCharacterbegin=(;"
        "txtCommentsCharacterEnd=);optSubRip=1;optFrans=1;chkOutputAsInput=0;"
        "chkDeleteBronBestand=1;chkOutputFormatIsInputFormat=0");
    QCOMPARE(States(first.window, stored), stored);
    QVERIFY(first.presenter.messages.empty());

    SetStates(first.window,
              "TabAction=6;lstCurrentFrameRate=0;lstNewFrameRate=3;txtFrames=100000;HScroll1=1500;"
              "chkQuotes=1;txtCommentsCharacterbegin={;optMicroDVD=1;optEngels=1");
    SetStates(first.window.optionsDialog(), "chkDeleteBronBestand=0");
    first.press("cmdAfsluiten");
    QVERIFY(!first.window.isVisible());

    StartedWindow next(first.store.fileText());
    // txtSec is 100000 / 23.976.
    const QStringList shown = Entries(
        "TabAction=6;lstCurrentFrameRate=0;lstNewFrameRate=3;txtFrames=100000;txtSec=4170;"
        "txtNumberOfSegments=5;txtSynchronize=+ 1.5 sec;chkQuotes=1;chkLeesteken=1;"
        "lstGuessCorrection=7;txtCommentsCharacterbegin={;optMicroDVD=1;optEngels=1;"
        "chkDeleteBronBestand=0;chkOutputAsInput=0");
    QCOMPARE(States(next.window, shown), shown);
    QVERIFY(next.presenter.messages.empty());
  }

  // One bad stored value on top of good ones: its step is skipped silently, except that a
  // number field's text is checked like a user's entry, with its message.
  void badStoredValues_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* stored, const char* shown,
                        const QString& message = QString()) {
      QTest::newRow(name) << QString::fromLatin1(stored) << QString::fromLatin1(shown) << message;
    };
    row("tab index 9", "[Settings]\nLastAction=9", "TabAction=0");
    row("shift out of range", "[Settings]\nSynchronize=40000", "HScroll1=0");
    row("correction none", "[Settings]\nGuess-correction=-1", "lstGuessCorrection=-1");
    row("format srt", "[Settings]\nOutputFormat=srt", "optMicroDVD=1");
    row("option not a number", "OutputAsInput=x", "chkOutputAsInput=1");
    row("settings not saved", "SaveSettings=0\n[Settings]\nLastAction=3", "TabAction=0");
    row("segment size letters", "[Settings]\nSegmentSize=abc", "txtFrames=180000",
        kTitle + "|2|This field must be numeric!\rPlease enter a number.");
    row("movie length negative", "[Settings]\nGuess-movielength=-5", "txtLengteFilm=5",
        kTitle + "|2|This field must contain a positive number!\rPlease enter a positive number.");
  }
  void badStoredValues() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    StartedWindow started(kWelcomed + "SaveSettings=1\n" + stored + QLatin1Char('\n'));
    QCOMPARE(States(started.window, {shown}), QStringList{shown});
    QCOMPARE(started.presenter.shown(), message.isEmpty() ? QStringList() : QStringList{message});
  }

  void exitAndCloseStoreTheSameOnce() {
    StartedWindow byExit;
    StartedWindow byClose;
    byExit.store.written.clear();
    byClose.store.written.clear();
    byExit.press("cmdAfsluiten");
    QVERIFY(byClose.window.close());
    byExit.window.close();  // after Exit nothing is written again
    QCOMPARE(byExit.store.written.size(), 27);
    QCOMPARE(byClose.store.written, byExit.store.written);
    QCOMPARE(byClose.store.fileText(), byExit.store.fileText());
  }

  void storedSaveSettingsOffStoresNothingAtExit() {
    StartedWindow started(kWelcomed + "SaveSettings=0\n");
    // The check box alone does not count: only a stored value does.
    SetStates(started.window.optionsDialog(), "chkSaveSettings=1");
    started.press("cmdAfsluiten");
    QVERIFY(started.store.written.isEmpty());
  }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
