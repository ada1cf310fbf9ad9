// Start-up from nothing stored and from stored values, the first-run test, and what Exit and
// closing the window write.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");
const QString kMessageA = QStringLiteral("This field must be numeric!\rPlease enter a number.");
const QString kMessageB =
    QStringLiteral("This field must contain a positive number!\rPlease enter a positive number.");

const char* kEveryFieldStored =
    "[General]\nVersie=2.6\nEersteKeer=1\nSaveSettings=1\nOutputAsInput=0\nDeleteSource=1\n"
    "OutputFormatIsInputFormat=0\n"
    "[Settings]\nLastAction=3\nSourceFramerate=4\nDestinationFrameRate=0\nSegmentSize=90000\n"
    "NumberOfSegments=5\nSynchronize=-2500\nCorrect-I/l=0\nCorrect-quotes=0\n"
    "Correct-?./!.=1\nCorrect-Numbers=0\nGuess-movielength=5400\nGuess-correction=7\n"
    "Begin-character=(\nEnd-character=)\nOutputFormat=SubRip\nLanguage=Frans\n";

const QStringList kEveryFieldShown = {"TabAction=3",
                                      "lstCurrentFrameRate=4",
                                      "lstConvertFrameRate=4",
                                      "lstNewFrameRate=0",
                                      "txtFrames=90000",
                                      "txtSec=3000",  // derived at 30 fps
                                      "txtNumberOfSegments=5",
                                      "HScroll1=-2500",
                                      "txtSynchronize=- 2.5 sec",
                                      "chkIl=0",
                                      "chkQuotes=0",
                                      "chkLeesteken=1",
                                      "chkGetallen=0",
                                      "txtLengteFilm=5400",
                                      "lstGuessCorrection=7",
                                      "txtCommentsCharacterbegin=(",
                                      "txtCommentsCharacterEnd=)",
                                      "optSubRip=1",
                                      "optFrans=1",
                                      "chkOutputAsInput=0",
                                      "chkDeleteBronBestand=1",
                                      "chkOutputFormatIsInputFormat=0"};

}  // namespace

class MainWindowStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void nothingStoredShowsTheDesign() {
    StartedWindow started{QString()};
    const QWidget& w = started.window;
    QCOMPARE(w.objectName(), QStringLiteral("frmLumetraMain"));
    QCOMPARE(w.windowTitle(), kTitle);
    const QStringList defaults = {"lstCurrentFrameRate=2",
                                  "lstNewFrameRate=2",
                                  "lstConvertFrameRate=2",
                                  "lstGuessCorrection=-1",
                                  "TabAction=0",
                                  "txtSec=7200",
                                  "txtFrames=180000",
                                  "txtSynchronize=0 sec",
                                  "lblInputFileInformation=No file selected.",
                                  "optMicroDVD=1",
                                  "optEngels=1",
                                  "chkSaveSettings=1",
                                  "chkOutputAsInput=1",
                                  "chkDeleteBronBestand=0",
                                  "chkOutputFormatIsInputFormat=1"};
    QCOMPARE(States(w, defaults), defaults);
    QVERIFY(started.find<QLineEdit>("txtBron")->isReadOnly());
    QVERIFY(started.presenter.messages.empty());

    const auto* tabs = started.find<QTabWidget>("TabAction");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
      captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"Split", "Correct", "Change FrameRate", "Synchronize",
                                    "Delete comments", "Convert", "Guess framerate"}));
    QCOMPARE(started.find<QGroupBox>("frame7")->title(), QStringLiteral("Output framerate"));
    QCOMPARE(started.find<QAbstractButton>("optEngels")->text(),
             QStringLiteral("English (&& Other)"));
    QCOMPARE(started.find<QLineEdit>("txtFrames")->maxLength(), 10);
    QCOMPARE(started.find<QLineEdit>("txtCommentsCharacterbegin")->maxLength(), 1);
    const auto* scroll = started.find<QScrollBar>("HScroll1");
    QCOMPARE(scroll->minimum(), -30000);
    QCOMPARE(scroll->maximum(), 30000);
    QCOMPARE(started.find<QListWidget>("lstGuessCorrection")->count(), 11);
  }

  // The first run of a version writes its bookkeeping, whatever "Save settings." says, and
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
    const QStringList bookkeeping = {"General/EersteKeer", "General/Versie"};
    QCOMPARE(started.store.written, welcomed ? bookkeeping : QStringList());
    QCOMPARE(started.store.storedValue("General", "Versie"), QStringLiteral("2.6"));
    QCOMPARE(started.store.storedValue("General", "EersteKeer"), QStringLiteral("1"));
    QCOMPARE(started.window.isEnabled(), !welcomed);
  }

  void storedFieldsSurviveExitAndTheNextStart() {
    StartedWindow first(QString::fromLatin1(kEveryFieldStored));
    QCOMPARE(States(first.window, kEveryFieldShown), kEveryFieldShown);
    QVERIFY(first.presenter.messages.empty());
    QVERIFY(first.window.isEnabled());

    first.find<QTabWidget>("TabAction")->setCurrentIndex(6);
    first.find<QListWidget>("lstCurrentFrameRate")->setCurrentRow(0);
    first.find<QListWidget>("lstNewFrameRate")->setCurrentRow(3);
    first.set("txtFrames", QStringLiteral("100000"));
    first.set("txtNumberOfSegments", QStringLiteral("4"));
    first.find<QScrollBar>("HScroll1")->setValue(1500);
    first.find<QCheckBox>("chkQuotes")->setChecked(true);
    first.set("txtCommentsCharacterbegin", QStringLiteral("{"));
    first.find<QRadioButton>("optMicroDVD")->setChecked(true);
    first.find<QRadioButton>("optEngels")->setChecked(true);
    first.find<QCheckBox>("chkDeleteBronBestand")->setChecked(false);
    first.press("cmdAfsluiten");
    QVERIFY(!first.window.isVisible());
    QCOMPARE(first.store.written,
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
    QCOMPARE(first.store.storedValue("Settings", "Synchronize"), QStringLiteral("1500"));
    QCOMPARE(first.store.storedValue("Settings", "Correct-?./!."), QStringLiteral("1"));
    QCOMPARE(first.store.storedValue("General", "DeleteSource"), QStringLiteral("0"));

    StartedWindow next(first.store.fileText());
    const QStringList shown = {"TabAction=6",
                               "lstCurrentFrameRate=0",
                               "lstNewFrameRate=3",
                               "txtFrames=100000",
                               "txtSec=4170",  // 100000 / 23.976
                               "txtNumberOfSegments=4",
                               "txtSynchronize=+ 1.5 sec",
                               "chkQuotes=1",
                               "chkLeesteken=1",
                               "lstGuessCorrection=7",
                               "txtCommentsCharacterbegin={",
                               "txtCommentsCharacterEnd=)",
                               "optMicroDVD=1",
                               "optEngels=1",
                               "chkDeleteBronBestand=0",
                               "chkOutputAsInput=0"};
    QCOMPARE(States(next.window, shown), shown);
    QVERIFY(next.presenter.messages.empty());
  }

  // One bad stored value on top of good ones: its step is skipped silently, except that a
  // number field's text is validated like a user's entry, with its message.
  void badStoredValues_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QString& stored, const char* shown,
                        const QString& message = QString()) {
      QTest::newRow(name) << stored << QString::fromLatin1(shown) << message;
    };
    const auto settings = [](const char* line) {
      return QStringLiteral("SaveSettings=1\n[Settings]\n") + QString::fromLatin1(line);
    };
    row("tab index 9", settings("LastAction=9"), "TabAction=0");
    row("rate not a number", settings("SourceFramerate=abc"), "lstCurrentFrameRate=2");
    row("rate position 5", settings("SourceFramerate=5"), "lstCurrentFrameRate=2");
    row("shift out of range", settings("Synchronize=40000"), "HScroll1=0");
    row("check box text", settings("Correct-I/l=yes"), "chkIl=1");
    row("check box 2", settings("Correct-Numbers=2"), "chkGetallen=1");
    row("correction none", settings("Guess-correction=-1"), "lstGuessCorrection=-1");
    row("format srt", settings("OutputFormat=srt"), "optMicroDVD=1");
    row("language other", settings("Language=Deutsch"), "optEngels=1");
    row("option not a number", "OutputAsInput=x", "chkOutputAsInput=1");
    row("settings not saved", "SaveSettings=0\n[Settings]\nLastAction=3", "TabAction=0");
    row("segment size letters", settings("SegmentSize=abc"), "txtFrames=180000", kMessageA);
    row("movie length negative", settings("Guess-movielength=-5"), "txtLengteFilm=5", kMessageB);
  }
  void badStoredValues() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    StartedWindow started(kWelcomed + stored + QLatin1Char('\n'));
    QCOMPARE(States(started.window, {shown}), QStringList{shown});
    QCOMPARE(started.presenter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const auto& shownMessage : started.presenter.messages) {
      QCOMPARE(shownMessage.icon, lumetra::MessageIcon::Critical);
      QCOMPARE(shownMessage.title, kTitle);
    }
  }

  void closingStoresTheSameKeysOnce() {
    StartedWindow byExit;
    StartedWindow byClose;
    byExit.store.written.clear();
    byClose.store.written.clear();
    byExit.press("cmdAfsluiten");
    QVERIFY(byClose.window.close());
    byExit.window.close();  // after Exit nothing is written again
    QCOMPARE(byExit.store.written.size(), 20);
    QCOMPARE(byClose.store.written, byExit.store.written);
    QCOMPARE(byClose.store.fileText(), byExit.store.fileText());
  }

  void storedSaveSettingsOffWritesNothingAtExit() {
    StartedWindow started(kWelcomed + "SaveSettings=0\n");
    // The check box alone does not count: only a stored value does.
    started.find<QCheckBox>("chkSaveSettings")->setChecked(true);
    started.press("cmdAfsluiten");
    QVERIFY(started.store.written.isEmpty());
    QVERIFY(!started.store.fileText().contains(QLatin1String("[Settings]")));
  }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
