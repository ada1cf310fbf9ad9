// Synchronize run from its tab: refusals, the busy caption and buttons as the user sees them
// behind each message, the write-backs after success, and both branches of the error tail,
// after which the window goes on working.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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
const QString kBusy = QStringLiteral("Lumetra 2.6 - Written by Taviel - synchronizing...");
const char* const kFourButtons[] = {"cmdSynchronize", "cmdAfsluiten", "cmdOver", "cmdOptions"};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How the window looked behind one message.
struct Seen {
  QString caption;
  bool buttonsEnabled = false;
  bool buttonsDisabled = false;
  QString shift;
};

struct Fixture {
  Fixture() {
    window.formLoad();
    window.show();
    presenter.onShow = [this](const RecordingPresenter::Shown& shown) {
      Seen now;
      now.caption = shown.windowCaption;
      now.buttonsEnabled = now.buttonsDisabled = true;
      for (const char* name : kFourButtons) {
        const bool enabled = Find<QPushButton>(window, name)->isEnabled();
        now.buttonsEnabled = now.buttonsEnabled && enabled;
        now.buttonsDisabled = now.buttonsDisabled && !enabled;
      }
      now.shift = Find<QLineEdit>(window, "txtSynchronize")->text();
      seen.push_back(now);
    };
  }

  QString input(const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
  }
  void run(const QString& source, int shift) {
    Find<QLineEdit>(window, "txtBron")->setText(source);
    Find<QScrollBar>(window, "HScroll1")->setValue(shift);
    Find<QPushButton>(window, "cmdSynchronize")->click();
  }
  bool restored() const {
    for (const char* name : kFourButtons) {
      if (!Find<QPushButton>(window, name)->isEnabled())
        return false;
    }
    return window.windowTitle() == kTitle && window.isVisible() && window.isEnabled();
  }

  QTemporaryDir dir;
  TempIniStore store{QStringLiteral("[General]\nEersteKeer=1\n")};
  RecordingPresenter presenter;
  MainWindow window{store, presenter};
  std::vector<Seen> seen;
};

}  // namespace

class MainWindowSynchronizeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void shiftsAndHandsTheOutputOn() {
    Fixture f;
    const QByteArray original = "{1000}{1100}Hi\r\n{100}{}Hi\r\n";
    const QString source = f.input("movie.sub", original);
    f.run(source, 1500);

    const QString output = f.dir.filePath(QStringLiteral("movie - synchronized.sub"));
    QCOMPARE(ReadAll(output), QByteArray("{1037}{1137}Hi\r\n{137}{}Hi\r\n"));
    QCOMPARE(ReadAll(source), original);
    QCOMPARE(f.presenter.texts(), QStringList{"The subtitle is synchronized."});
    QCOMPARE(f.presenter.messages[0].title, kTitle);
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::None);
    // The completion shows over a restored window whose shift is already back at 0.
    QCOMPARE(f.seen[0].caption, kTitle);
    QVERIFY(f.seen[0].buttonsEnabled);
    QCOMPARE(f.seen[0].shift, QStringLiteral("0 sec"));
    QCOMPARE(Find<QScrollBar>(f.window, "HScroll1")->value(), 0);
    // "Use the output file as new input file" is on by default.
    QCOMPARE(Find<QLineEdit>(f.window, "txtBron")->text(), output);
    QCOMPARE(Find<QLabel>(f.window, "lblInputFileInformation")->text(),
             QStringLiteral("MicroDVD subtitle"));

    // Pressing again without moving the scroll bar is refused.
    Find<QPushButton>(f.window, "cmdSynchronize")->click();
    QCOMPARE(f.presenter.texts().last(),
             QStringLiteral("0 seconds set: unnecessary to synchronize"));
  }

  void deletesTheSourceAndConvertsWhenAsked() {
    Fixture f;
    Find<QCheckBox>(f.window, "chkDeleteBronBestand")->setChecked(true);
    Find<QRadioButton>(f.window, "optSubRip")->setChecked(true);
    const QString source = f.input("film.sub", "{25}{75}Hello|world\r\n");
    f.run(source, 1000);
    const QString output = f.dir.filePath(QStringLiteral("film - synchronized.srt"));
    QVERIFY(!QFile::exists(source));
    QVERIFY(QFile::exists(output));
    QVERIFY(ReadAll(output).startsWith("1\r\n00:00:02,000 --> 00:00:04,000\r\nHello\r\nworld"));
    QCOMPARE(Find<QLineEdit>(f.window, "txtBron")->text(), output);
    QCOMPARE(Find<QLabel>(f.window, "lblInputFileInformation")->text(),
             QStringLiteral("SubRip subtitle"));
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
    Fixture f;
    const QString source = withSource ? f.input("movie.sub", "{1}{2}x\r\n") : QString();
    f.run(source, shift);
    QCOMPARE(f.presenter.texts(), QStringList{message});
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QCOMPARE(f.seen[0].caption, kTitle);
    QVERIFY(f.seen[0].buttonsEnabled);
    QCOMPARE(Find<QScrollBar>(f.window, "HScroll1")->value(), shift);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), withSource ? 1 : 0);
  }

  void aMissingInputIsReportedAndTheWindowGoesOn() {
    Fixture f;
    f.run(f.dir.filePath(QStringLiteral("gone.sub")), 1000);
    QCOMPARE(f.presenter.texts(),
             QStringList{"An error has occurred!\r\rError 53 : File not found"});
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QCOMPARE(f.seen[0].caption, kBusy);
    QVERIFY(f.seen[0].buttonsDisabled);
    QVERIFY(f.restored());
    QVERIFY(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(Find<QScrollBar>(f.window, "HScroll1")->value(), 1000);

    // The window is still usable: the next run on a good file completes.
    f.run(f.input("movie.sub", "{1}{2}x\r\n"), 1000);
    QCOMPARE(f.presenter.texts().last(), QStringLiteral("The subtitle is synchronized."));
  }

  void aFormatFailureRemovesThePartialOutput() {
    Fixture f;
    const QString source = f.input("bad.sub", "{10}{20}fine\r\n{1x}{2}broken\r\n");
    f.run(source, 1000);
    QCOMPARE(f.presenter.texts(),
             QStringList{"An error has occurred!\r\rThe selected file is no subtitle (or is an "
                         "unkown format)"});
    QCOMPARE(f.seen[0].caption, kBusy);
    QVERIFY(f.seen[0].buttonsDisabled);
    QVERIFY(f.restored());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"bad.sub"});
    QCOMPARE(Find<QLineEdit>(f.window, "txtBron")->text(), source);
  }
};

QTEST_MAIN(MainWindowSynchronizeTest)
#include "main_window_synchronize_test.moc"
