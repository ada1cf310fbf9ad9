// The operation buttons: each runs its driver with the values of its tab, shows its busy
// caption with the four buttons disabled, writes back what the driver says and shows its
// message; a failure leaves a window that goes on working.
#include <QDir>
#include <QtTest>

#include "app/support/answer_changes.h"
#include "app/support/started_window.h"

namespace {
const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");
const QLocale kGerman(QLocale::German, QLocale::Germany);
}  // namespace

class MainWindowOperationsTest : public QObject {
  Q_OBJECT

 private slots:
  // In `locale`, with "movie.sub" holding `input` as the input and the controls set as
  // `settings` says, `button` writes `output`, shows `message` and leaves the window `shown`.
  void runs_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const QLocale& locale, const char* input,
                        const char* settings, const char* button, const char* output,
                        const char* written, const char* message, const char* shown) {
      QTest::newRow(name) << locale << QByteArray(input) << QString(settings) << QString(button)
                          << QString(output) << QByteArray(written) << QString(message)
                          << QString(shown);
    };
    const QLocale c = QLocale::c();
    const QByteArray done = kTitle.toLatin1() + "|0|";
    row("synchronize hands the output on", c, "{1000}{1100}Hi\r\n{100}{}Hi\r\n", "HScroll1=1500",
        "cmdSynchronize", "movie - synchronized.sub", "{1037}{1137}Hi\r\n{137}{}Hi\r\n",
        done + "The subtitle is synchronized.\r\rOutput file: %1/movie - synchronized.sub",
        "HScroll1=0;lblInputFileInformation=MicroDVD subtitle");
    row("convert deleting the source", c, "{25}{75}Hello|world\r\n",
        "optSubRip=1;chkDeleteBronBestand=1", "cmdConvert", "movie - SubRip.srt",
        "1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld\r\n",
        done + "The subtitle is converted.\r\rOutput file: %1/movie - SubRip.srt",
        "lblInputFileInformation=SubRip subtitle");
    row("correct", c, "{1}{2}Why?. 1 2\r\n", "chkGetallen=0", "cmdCorrect", "movie - corrected.sub",
        "{1}{2}Why? 1 2\r\n",
        done +
            "The subtitle is corrected.\r\rNumber of corrections: 1\r\rOutput file: "
            "%1/movie - corrected.sub",
        "chkGetallen=0");
    row("delete comments", c, "{1}{2}(door) Hi [x]\r\n",
        "txtCommentsCharacterbegin=(;txtCommentsCharacterEnd=);HScroll1=2500", "cmdDeleteComments",
        "movie - without comments.sub", "{1}{2}Hi [x]\r\n",
        done +
            "The comments are deleted.\rNumber of deleted comments: 1\r\rOutput file: "
            "%1/movie - without comments.sub",
        "HScroll1=0;txtSynchronize=0 sec");
    row("delete comments, more pairs and music lines", c,
        "{1}{2}(door) Hi\r\n{3}{4}\xE2\x99\xAA la\r\n", "txtCommentPairs=();chkMusicLines=1",
        "cmdDeleteComments", "movie - without comments.sub", "{1}{2}Hi\r\n",
        done +
            "The comments are deleted.\rNumber of deleted comments: 2\r\rOutput file: "
            "%1/movie - without comments.sub",
        "txtCommentPairs=();chkMusicLines=1");
    row("delete comments, a pair of one character", c, "{1}{2}Hi\r\n", "txtCommentPairs=() (",
        "cmdDeleteComments", "", "",
        "Lumetra 2.6 - Written by Taviel|2|Enter each further pair as two characters, the pairs "
        "parted by spaces: () {}",
        "txtCommentPairs=() (");
    row("split keeps the input", c, "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n",
        "txtFrames=1000", "cmdSplitsen", "movie - 2.sub", "{0}{50}B\r\n{200}{300}C\r\n",
        done +
            "The subtitle is split.\r\rNumber of segments: 2\r\rFolder: %1\rParts: "
            "movie - 1.sub to movie - 2.sub",
        "lblInputFileInformation=No file selected.");
    row("change frame rate, comma locale", kGerman, "{1000}{1100}Hello|world\r\n",
        "lstNewFrameRate=0", "cmdChangeFrameRate", "movie - 23,976fps.sub",
        "{959}{1055}Hello|world\r\n",
        done + "The framerate is changed.\r\rOutput file: %1/movie - 23,976fps.sub",
        "lstCurrentFrameRate=0;lstConvertFrameRate=0");
    row("guess, comma locale", kGerman, "{1}{2}x\r\n{171000}{172800}Goodbye\r\n",
        "lstGuessCorrection=4", "cmdGuessFrameRate", "", "",
        "Lumetra 2.6|0|Calculated framerate: 24,828 fps", "lstGuessCorrection=4");
  }
  void runs() {
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, input);
    QFETCH(QString, settings);
    QFETCH(QString, button);
    QFETCH(QString, output);
    QFETCH(QByteArray, written);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    StartedWindow f(kWelcomed, locale);
    const QString source = f.input("movie.sub", input);
    SetStates(f.window, qPrintable(settings));
    // The message shows over a restored window whose shift is already back at 0.
    QString behind;
    f.presenter.onShow = [&](const RecordingPresenter::Shown& shown) {
      behind = shown.windowCaption + ';' + State(f.window, "txtSynchronize") + ';' +
               QString::number(f.find<QPushButton>(qPrintable(button))->isEnabled());
    };
    AnswerChanges("cmdApply");  // Correct and Delete comments list their changes first
    f.press(qPrintable(button));
    QCOMPARE(f.presenter.shown(), QStringList{message.replace("%1", f.dir.path())});
    QCOMPARE(behind, kTitle + ";0 sec;1");
    const QStringList files = QDir(f.dir.path()).entryList(QDir::Files);
    if (!output.isEmpty()) {
      QCOMPARE(f.read(output), written);
      // The output becomes the input, but of a split; a deleted source leaves the output.
      const QString input = output.endsWith("- 2.sub") ? source : f.dir.filePath(output);
      QCOMPARE(State(f.window, "txtBron"), input);
      QCOMPARE(files.contains("movie.sub"), !settings.contains("chkDeleteBronBestand=1"));
    }
    const QStringList expected = Entries(qPrintable(shown));
    QCOMPARE(States(f.window, expected), expected);
  }

  // A format failure shows its message while the run is still busy: the caption and the
  // disabled buttons tell which operation the window ran. Then the window is restored and
  // nothing is left behind.
  void eachButtonShowsItsBusyCaption_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("busy");
    const auto row = [](const char* name, const char* button, const char* busy) {
      QTest::newRow(name) << QString(button) << QString(busy);
    };
    row("split", "cmdSplitsen", "splitting...");
    row("correct", "cmdCorrect", "correcting...");
    row("change frame rate", "cmdChangeFrameRate", "changing framerate...");
    row("synchronize", "cmdSynchronize", "synchronizing...");
    row("delete comments", "cmdDeleteComments", "deleting comments...");
    row("convert", "cmdConvert", "converting...");
    row("guess frame rate", "cmdGuessFrameRate", "Guessing framerate...");
  }
  void eachButtonShowsItsBusyCaption() {
    QFETCH(QString, button);
    QFETCH(QString, busy);
    StartedWindow f;
    f.input("bad.sub", "{1}{2}a\r\n{3}{4}b\r\n{100}{2x0}Hi\r\n");
    SetStates(f.window, "lstNewFrameRate=0;HScroll1=1000");
    SetStates(f.window, button == "cmdConvert" ? "optSubRip=1" : "optMicroDVD=1");
    const QStringList names = {button, "cmdAfsluiten", "cmdOver", "cmdOptions"};
    QStringList seen;
    f.presenter.onShow = [&](const RecordingPresenter::Shown& shown) {
      seen << shown.windowCaption;
      for (const QString& name : names)
        seen << name + '=' + QString::number(f.find<QPushButton>(qPrintable(name))->isEnabled());
    };
    f.press(qPrintable(button));
    // The message's own text, then where reading stopped.
    QCOMPARE(f.presenter.shown(),
             QStringList{kTitle +
                         "|2|An error has occurred!\r\rThe selected file is no subtitle "
                         "(or is an unkown format)\r\rFile: " +
                         f.dir.filePath("bad.sub") + "\rReading stopped at line 3."});
    QCOMPARE(seen, (QStringList{kTitle + " - " + busy, button + "=0", "cmdAfsluiten=0", "cmdOver=0",
                                "cmdOptions=0"}));
    QCOMPARE(f.window.windowTitle(), kTitle);
    QVERIFY(f.find<QPushButton>(qPrintable(button))->isEnabled());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"bad.sub"});
  }

  // An output already there is replaced only when the user says Yes to the question that
  // names it; No ends the run with nothing written and the window as it was.
  void asksBeforeReplacing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("files");
    const auto row = [](const char* name, const char* button, const char* existing, bool answer,
                        const QStringList& messages, const QStringList& files) {
      QTest::newRow(name) << QString(button) << QString(existing) << answer << messages << files;
    };
    const QString ask = kTitle + "|?|%1/";
    const QString one = " already exists.\rDo you want to replace it?";
    row("synchronize, yes", "cmdSynchronize", "movie - synchronized.sub", true,
        {ask + "movie - synchronized.sub" + one,
         kTitle + "|0|The subtitle is synchronized.\r\rOutput file: %1/movie - synchronized.sub"},
        {"movie - synchronized.sub={26}{27}x\r", "txtBron=%1/movie - synchronized.sub"});
    row("synchronize, no", "cmdSynchronize", "movie - synchronized.sub", false,
        {ask + "movie - synchronized.sub" + one},
        {"movie - synchronized.sub=mine", "txtBron=%1/movie.sub", "HScroll1=1000"});
    row("change frame rate, no", "cmdChangeFrameRate", "movie - 24fps.sub", false,
        {ask + "movie - 24fps.sub" + one}, {"movie - 24fps.sub=mine", "txtBron=%1/movie.sub"});
    // One question for the parts of a split; no part is written after No.
    row("split, no", "cmdSplitsen", "movie - 2.sub", false, {ask + "movie - 2.sub" + one},
        {"movie - 2.sub=mine", "movie - 1.sub="});
  }
  void asksBeforeReplacing() {
    QFETCH(QString, button);
    QFETCH(QString, existing);
    QFETCH(bool, answer);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, files);
    StartedWindow f;
    f.input("movie.sub", "{1}{2}x\r\n{200000}{200001}y\r\n");
    f.file(existing, "mine");
    SetStates(f.window, "lstNewFrameRate=1;HScroll1=1000;txtNumberOfSegments=2");
    f.presenter.answers = {answer};
    f.press(qPrintable(button));
    QCOMPARE(f.presenter.shown(), messages.replaceInStrings("%1", f.dir.path()));
    for (const QString& file : files.replaceInStrings("%1", f.dir.path())) {
      const QString name = file.section('=', 0, 0);
      const QString shown = name.startsWith("txt") || name.startsWith("HScroll")
                                ? State(f.window, name)
                                : QString::fromLatin1(f.read(name).left(10));
      QCOMPARE(name + '=' + shown, file);
    }
  }

  // A missing input fails, and the window goes on: the next run completes, and one without
  // an input is refused.
  void aFailureLeavesAUsableWindow() {
    StartedWindow f;
    const QString missing = f.dir.filePath("gone.sub");
    f.set("txtBron", missing);
    SetStates(f.window, "HScroll1=1000");
    f.press("cmdSynchronize");
    f.input("movie.sub", "{1}{2}x\r\n");
    f.press("cmdSynchronize");
    f.set("txtBron", QString());
    SetStates(f.window, "HScroll1=1000");
    f.press("cmdSynchronize");
    QCOMPARE(f.presenter.shown(),
             (QStringList{kTitle +
                              "|2|An error has occurred!\r\rError 53 : File not found "
                              "(reading " +
                              missing + ")",
                          kTitle + "|0|The subtitle is synchronized.\r\rOutput file: " +
                              f.dir.filePath("movie - synchronized.sub"),
                          kTitle + "|2|Select a subtitle!"}));
    QCOMPARE(f.window.windowTitle(), kTitle);
  }
};

QTEST_MAIN(MainWindowOperationsTest)
#include "main_window_operations_test.moc"
