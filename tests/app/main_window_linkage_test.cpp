// The numeric fields, their messages, the seconds/frames linkage through the input frame
// rate, the scroll bar's text and keys, and the two mirrored frame-rate lists.
#include <QScrollBar>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

const QString kMessageA = QStringLiteral("This field must be numeric!\rPlease enter a number.");
const QString kMessageB =
    QStringLiteral("This field must contain a positive number!\rPlease enter a positive number.");
const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);

}  // namespace

class MainWindowLinkageTest : public QObject {
  Q_OBJECT

 private slots:
  // With the input rate at `rate` and 7200 in the seconds, `typed` goes into `field`.
  void segmentFields_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("rate");  // position in lstCurrentFrameRate
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const QLocale& locale, int rate, const char* field,
                        const char* typed, const char* seconds, const char* frames,
                        const QStringList& messages = {}) {
      QTest::newRow(name) << locale << rate << QString::fromLatin1(field)
                          << QString::fromLatin1(typed)
                          << QStringList{QStringLiteral("txtSec=") + seconds,
                                         QStringLiteral("txtFrames=") + frames}
                          << messages;
    };
    row("seconds at 25", kC, 2, "txtSec", "7200", "7200", "180000");
    row("frames at 25", kC, 2, "txtFrames", "180001", "7200", "180001");
    // The link rate is the entry's true rate, whichever decimal separator the locale has.
    row("23.976, point locale", kC, 0, "txtSec", "7200", "7200", "172627");
    row("23.976, comma locale", kGerman, 0, "txtSec", "7200", "7200", "172627");
    row("seconds cleared", kC, 2, "txtSec", "", "0", "0");
    row("frames cleared", kC, 2, "txtFrames", "", "0", "0");
    row("letter in frames", kC, 2, "txtFrames", "12a", "7200", "180000", {kMessageA});
    row("negative seconds", kC, 2, "txtSec", "-5", "7200", "180000", {kMessageB});
    row("fraction, comma locale", kGerman, 2, "txtSec", "12,5", "12", "300");
    row("grouping, comma locale", kGerman, 2, "txtFrames", "1.000", "40", "1000");
    row("exponent", kC, 2, "txtSec", "1e2", "100", "2500");
  }
  void segmentFields() {
    QFETCH(QLocale, locale);
    QFETCH(int, rate);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, messages);
    StartedWindow started(kWelcomed, locale);
    started.find<QListWidget>("lstCurrentFrameRate")->setCurrentRow(rate);
    started.set("txtSec", QStringLiteral("7200"));
    started.set(field.toLatin1().constData(), typed);
    QCOMPARE(States(started.window, shown), shown);
    QCOMPARE(started.presenter.texts(), messages);
  }

  // Keys typed into a field ("\t" Tab, "\r" Enter), then `button` pressed without moving
  // the focus: the rules run once editing ends, or when the button reads the field.
  void typing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const char* field, const char* keys, const char* button,
                        const QStringList& shown, const QStringList& messages = {}) {
      QTest::newRow(name) << QString(field) << QString(keys) << QString(button) << shown
                          << messages;
    };
    row("frames follow whole seconds", "txtSec", "36", "", {"txtSec=36", "txtFrames=900"});
    row("12.5 then Tab", "txtSec", "12.5\t", "", {"txtSec=12", "txtFrames=300"});
    row("10 then Tab", "txtNumberOfSegments", "10\t", "", {"txtNumberOfSegments=10"});
    row("-7 then Tab", "txtNumberOfSegments", "-7\t", "", {"txtNumberOfSegments=7"}, {kMessageB});
    row("letter then Enter", "txtLengteFilm", "x\r", "", {"txtLengteFilm=0"}, {kMessageA});
    row("-7 read by Split", "txtNumberOfSegments", "-7", "cmdSplitsen", {"txtNumberOfSegments=7"},
        {kMessageB, "Select a subtitle!"});
    row("12.5 read by Exit", "txtLengteFilm", "12.5", "cmdAfsluiten", {"txtLengteFilm=12"});
  }
  void typing() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, messages);
    StartedWindow started;
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    auto* box = started.find<QLineEdit>(qPrintable(field));
    box->setFocus();
    box->selectAll();
    for (const QChar key : keys) {
      QWidget* focus = QApplication::focusWidget();
      if (key == '\t' || key == '\r')
        QTest::keyClick(focus, key == '\t' ? Qt::Key_Tab : Qt::Key_Return);
      else
        QTest::keyClicks(focus, key);
    }
    if (!button.isEmpty())
      started.press(qPrintable(button));
    QCOMPARE(States(started.window, shown), shown);
    QCOMPARE(started.presenter.texts(), messages);
  }

  void singleFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* field, const char* typed, const char* expected,
                        const QStringList& messages = {}) {
      QTest::addRow("%s %s", field, typed)
          << QString::fromLatin1(field) << QString::fromLatin1(typed)
          << QString::fromLatin1(expected) << messages;
    };
    row("txtLengteFilm", "-5", "5", {kMessageB});
    row("txtLengteFilm", "", "0");
    row("txtLengteFilm", "-7.5", "7", {kMessageB});
    row("txtNumberOfSegments", "1", "2");
    row("txtNumberOfSegments", "2.7", "2");
    row("txtNumberOfSegments", "x", "2", {kMessageA});
  }
  void singleFields() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QStringList, messages);
    StartedWindow started;
    started.set(field.toLatin1().constData(), typed);
    QCOMPARE(State(started.window, field), expected);
    QCOMPARE(started.presenter.texts(), messages);
    for (const auto& message : started.presenter.messages) {
      QCOMPARE(message.icon, lumetra::MessageIcon::Critical);
      QCOMPARE(message.title, QStringLiteral("Lumetra 2.6 - Written by Taviel"));
    }
  }

  void scrollBarText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("-30000") << kC << -30000 << "- 30 sec";
    QTest::newRow("100") << kC << 100 << "+ 0.1 sec";
    QTest::newRow("1500") << kC << 1500 << "+ 1.5 sec";
    QTest::newRow("-250") << kC << -250 << "- 0.25 sec";
    QTest::newRow("30000") << kC << 30000 << "+ 30 sec";
    QTest::newRow("1500, comma locale") << kGerman << 1500 << "+ 1,5 sec";
  }
  void scrollBarText() {
    QFETCH(QLocale, locale);
    QFETCH(int, value);
    QFETCH(QString, expected);
    StartedWindow started(kWelcomed, locale);
    auto* scroll = started.find<QScrollBar>("HScroll1");
    scroll->setValue(value);
    QCOMPARE(State(started.window, "txtSynchronize"), expected);
    // The Convert tab tells of the shift it applies as long as there is one.
    auto* convertShift = started.find<QLabel>("lblConvertShift");
    QCOMPARE(convertShift->text(), "Shift from the Synchronize tab: " + expected);
    QVERIFY(!convertShift->isHidden());
    scroll->setValue(0);
    QCOMPARE(State(started.window, "txtSynchronize"), QStringLiteral("0 sec"));
    QVERIFY(convertShift->isHidden());
  }

  void scrollBarKeys() {
    StartedWindow started;
    auto* scroll = started.find<QScrollBar>("HScroll1");
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 100},   {Qt::Key_PageDown, -900},
                                             {Qt::Key_Left, -1000},  {Qt::Key_PageUp, 0},
                                             {Qt::Key_Home, -30000}, {Qt::Key_End, 30000}};
    for (const auto& [key, value] : steps) {
      QTest::keyClick(scroll, key);
      QCOMPARE(scroll->value(), value);
    }
  }

  // The input rate carries the Convert rate and the frames; the Convert rate carries the
  // input rate only, and the next edit links through it.
  void mirroredRateLists() {
    StartedWindow started;
    started.find<QListWidget>("lstCurrentFrameRate")->setCurrentRow(4);
    QStringList shown = {"lstConvertFrameRate=4", "txtSec=7200", "txtFrames=216000"};
    QCOMPARE(States(started.window, shown), shown);
    started.find<QListWidget>("lstConvertFrameRate")->setCurrentRow(1);
    shown = QStringList{"lstCurrentFrameRate=1", "txtSec=7200", "txtFrames=216000"};
    QCOMPARE(States(started.window, shown), shown);
    started.set("txtSec", QStringLiteral("100"));
    QCOMPARE(State(started.window, "txtFrames"), QStringLiteral("2400"));
  }

  void aClickNeverLeavesAListWithoutSelection() {
    StartedWindow started;
    auto* list = started.find<QListWidget>("lstCurrentFrameRate");
    const QRect second = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    QCOMPARE(State(started.window, "lstCurrentFrameRate"), QStringLiteral("2"));
  }
};

QTEST_MAIN(MainWindowLinkageTest)
#include "main_window_linkage_test.moc"
