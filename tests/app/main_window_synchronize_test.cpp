// Synchronize run from its tab: refusals, the busy caption and buttons as the user sees them
// behind each message, the write-backs after success, and both branches of the error tail,
// after which the window goes on working.
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

const QString kTitle = QStringLiteral("Lumetra 2.6 - Written by Taviel");
const QString kBusy = kTitle + QStringLiteral(" - synchronizing...");
const char* const kFourButtons[] = {"cmdSynchronize", "cmdAfsluiten", "cmdOver", "cmdOptions"};

// The window behind each message: its caption, whether the four buttons were all enabled
// ("1"), all disabled ("0") or mixed ("?"), and the shift's text.
struct SynchronizeWindow : StartedWindow {
  SynchronizeWindow() {
    presenter.onShow = [this](const RecordingPresenter::Shown& shown) {
      seen << shown.windowCaption << buttons() << State(window, "txtSynchronize");
    };
  }
  QString buttons() const {
    QString states;
    for (const char* name : kFourButtons)
      states += find<QPushButton>(name)->isEnabled() ? '1' : '0';
    return states == "1111" ? "1" : states == "0000" ? "0" : "?";
  }
  void run(const QString& source, int shift) {
    set("txtBron", source);
    find<QScrollBar>("HScroll1")->setValue(shift);
    press("cmdSynchronize");
  }
  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }

  QStringList seen;
};

}  // namespace

class MainWindowSynchronizeTest : public QObject {
  Q_OBJECT

 private slots:
  void shiftsAndHandsTheOutputOn() {
    SynchronizeWindow f;
    const QByteArray original = "{1000}{1100}Hi\r\n{100}{}Hi\r\n";
    const QString source = f.file("movie.sub", original);
    f.run(source, 1500);

    QCOMPARE(f.read("movie - synchronized.sub"), QByteArray("{1037}{1137}Hi\r\n{137}{}Hi\r\n"));
    QCOMPARE(f.read(source), original);
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is synchronized."});
    QCOMPARE(f.presenter.messages[0].title, kTitle);
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::None);
    // The completion shows over a restored window whose shift is already back at 0.
    QCOMPARE(f.seen, (QStringList{kTitle, "1", "0 sec"}));
    // "Use the output file as new input file" is on by default.
    const QStringList shown = {"HScroll1=0",
                               "txtBron=" + f.dir.filePath("movie - synchronized.sub"),
                               "lblInputFileInformation=MicroDVD subtitle"};
    QCOMPARE(States(f.window, shown), shown);
  }

  void deletesTheSourceAndConvertsWhenAsked() {
    SynchronizeWindow f;
    f.find<QCheckBox>("chkDeleteBronBestand")->setChecked(true);
    f.find<QRadioButton>("optSubRip")->setChecked(true);
    const QString source = f.file("film.sub", "{25}{75}Hello|world\r\n");
    f.run(source, 1000);
    QCOMPARE(f.files(), QStringList{"film - synchronized.srt"});
    QVERIFY(f.read("film - synchronized.srt")
                .startsWith("1\r\n00:00:02,000 --> 00:00:04,000\r\nHello\r\nworld"));
    const QStringList shown = {"txtBron=" + f.dir.filePath("film - synchronized.srt"),
                               "lblInputFileInformation=SubRip subtitle"};
    QCOMPARE(States(f.window, shown), shown);
  }

  void refusalsChangeNothing_data() {
    QTest::addColumn<bool>("withSource");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("message");
    QTest::newRow("no subtitle") << false << 1000 << "Select a subtitle!";
    QTest::newRow("no shift") << true << 0 << "0 seconds set: unnecessary to synchronize";
  }
  void refusalsChangeNothing() {
    QFETCH(bool, withSource);
    QFETCH(int, shift);
    QFETCH(QString, message);
    SynchronizeWindow f;
    f.run(withSource ? f.file("movie.sub", "{1}{2}x\r\n") : QString(), shift);
    QCOMPARE(f.presenter.texts(), QStringList{message});
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QCOMPARE(f.seen.mid(0, 2), (QStringList{kTitle, "1"}));
    QCOMPARE(f.find<QScrollBar>("HScroll1")->value(), shift);
    QCOMPARE(f.files().size(), withSource ? 1 : 0);
  }

  // Neither branch of the error tail ends the program: the message shows over the busy
  // window, nothing is left behind, and the next run on a good file completes.
  void failuresLeaveAUsableWindow_data() {
    QTest::addColumn<QByteArray>("bytes");  // "missing": no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing input")
        << QByteArray("missing")
        << "An error has occurred!\r\rError 53 : File not found (reading %1)";
    QTest::newRow("broken second line")
        << QByteArray("{10}{20}fine\r\n{1x}{2}broken\r\n")
        << "An error has occurred!\r\rThe selected file is no subtitle (or is an unkown format)";
  }
  void failuresLeaveAUsableWindow() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    SynchronizeWindow f;
    const QString source =
        bytes == "missing" ? f.dir.filePath("bad.sub") : f.file("bad.sub", bytes);
    const QStringList before = f.files();
    f.run(source, 1000);
    QCOMPARE(f.presenter.texts(), QStringList{message.arg(source)});
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QCOMPARE(f.seen.mid(0, 2), (QStringList{kBusy, "0"}));
    QCOMPARE(f.window.windowTitle(), kTitle);
    QCOMPARE(f.buttons(), QStringLiteral("1"));
    QVERIFY(f.window.isVisible() && f.window.isEnabled());
    QCOMPARE(f.files(), before);
    const QStringList shown = {"HScroll1=1000", "txtBron=" + source};
    QCOMPARE(States(f.window, shown), shown);

    f.run(f.file("movie.sub", "{1}{2}x\r\n"), 1000);
    QCOMPARE(f.presenter.texts().last(), QStringLiteral("The subtitle is synchronized."));
  }
};

QTEST_MAIN(MainWindowSynchronizeTest)
#include "main_window_synchronize_test.moc"
