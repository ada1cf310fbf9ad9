// The number fields and their messages, the seconds/frames linkage through the input frame
// rate, the shift's text and keys, and the two mirrored frame-rate lists.
#include <QScrollBar>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

const QString kNotNumeric = QStringLiteral(
    "Lumetra 2.6 - Written by Taviel|2|This field must be numeric!\rPlease enter a number.");
const QString kNegative = QStringLiteral(
    "Lumetra 2.6 - Written by Taviel|2|This field must contain a positive number!\rPlease enter "
    "a positive number.");
const QString kShiftTooLong = QStringLiteral(
    "Lumetra 2.6 - Written by Taviel|2|The shift must lie between - 30 and + 30 sec!\rPlease "
    "enter a shift of at most 30 seconds.");
const QLocale kGerman(QLocale::German, QLocale::Germany);

}  // namespace

class MainWindowLinkageTest : public QObject {
  Q_OBJECT

 private slots:
  // In `locale`, code sets the controls as `settings` says, one after the other.
  void codeSetsControls_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const QLocale& locale, const char* settings,
                        const char* shown, const QStringList& messages = {}) {
      QTest::newRow(name) << locale << QString(settings) << QString(shown) << messages;
    };
    const QLocale c = QLocale::c();
    row("seconds at 25", c, "txtSec=7200", "txtSec=7200;txtFrames=180000");
    // The link rate is the entry's true rate, whichever decimal separator the locale has.
    row("23.976, point locale", c, "lstCurrentFrameRate=0;txtSec=7200",
        "txtSec=7200;txtFrames=172627");
    row("23.976, comma locale", kGerman, "lstCurrentFrameRate=0;txtSec=7200",
        "txtSec=7200;txtFrames=172627");
    row("seconds cleared", c, "txtSec=", "txtSec=0;txtFrames=0");
    row("letter in frames", c, "txtFrames=12a", "txtSec=7200;txtFrames=180000", {kNotNumeric});
    row("negative seconds", c, "txtSec=-5", "txtSec=7200;txtFrames=180000", {kNegative});
    row("fraction, comma locale", kGerman, "txtSec=12,5", "txtSec=12;txtFrames=300");
    row("grouping, comma locale", kGerman, "txtFrames=1.000", "txtSec=40;txtFrames=1000");
    row("length negative fraction", c, "txtLengteFilm=-7.5", "txtLengteFilm=7", {kNegative});
    row("one segment", c, "txtNumberOfSegments=1", "txtNumberOfSegments=2");
    row("segments letter", c, "txtNumberOfSegments=x", "txtNumberOfSegments=2", {kNotNumeric});
    // The shift as text, and on the Convert tab, which applies it too, while there is one.
    row("shift -30000", c, "HScroll1=-30000",
        "txtSynchronize=- 30 sec;lblConvertShift=Shift from the Synchronize tab: - 30 sec");
    row("shift 1500, comma locale", kGerman, "HScroll1=1500",
        "txtSynchronize=+ 1,5 sec;lblConvertShift=Shift from the Synchronize tab: + 1,5 sec");
    row("shift back to 0", c, "HScroll1=250;HScroll1=0", "txtSynchronize=0 sec;lblConvertShift=");
    row("typed shift, comma locale", kGerman, "txtSynchronize=-12,3",
        "HScroll1=-12300;txtSynchronize=- 12,3 sec");
    row("typed shift emptied", c,
        "HScroll1=250;txtSynchronize=", "HScroll1=0;txtSynchronize=0 sec");
    // The input rate carries the Convert rate and the frames; the Convert rate carries the
    // input rate only, and the next edit links through it.
    row("input rate", c, "lstCurrentFrameRate=4",
        "lstConvertFrameRate=4;txtSec=7200;txtFrames=216000");
    row("Convert rate", c, "lstConvertFrameRate=1;txtSec=100",
        "lstCurrentFrameRate=1;txtSec=100;txtFrames=2400");
  }
  void codeSetsControls() {
    QFETCH(QLocale, locale);
    QFETCH(QString, settings);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    StartedWindow started(kWelcomed, locale);
    SetStates(started.window, qPrintable(settings));
    const QStringList expected = Entries(qPrintable(shown));
    QCOMPARE(States(started.window, expected), expected);
    QCOMPARE(started.presenter.shown(), messages);
  }

  // Keys typed into a field ("\t" Tab, "\r" Enter), then `button` pressed without moving
  // the focus: the checks run once editing ends, or when the button reads the field.
  void typing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const char* field, const char* keys, const char* button,
                        const char* shown, const QStringList& messages = {}) {
      QTest::newRow(name) << QString(field) << QString(keys) << QString(button) << QString(shown)
                          << messages;
    };
    row("frames follow whole seconds", "txtSec", "36", "", "txtSec=36;txtFrames=900");
    row("12.5 then Tab", "txtSec", "12.5\t", "", "txtSec=12;txtFrames=300");
    row("-7 then Tab", "txtNumberOfSegments", "-7\t", "", "txtNumberOfSegments=7", {kNegative});
    row("letter then Enter", "txtLengteFilm", "x\r", "", "txtLengteFilm=0", {kNotNumeric});
    row("-7 read by Split", "txtNumberOfSegments", "-7", "cmdSplitsen", "txtNumberOfSegments=7",
        {kNegative, "Lumetra 2.6 - Written by Taviel|2|Select a subtitle!"});
    row("12.5 read by Exit", "txtLengteFilm", "12.5", "cmdAfsluiten", "txtLengteFilm=12");
    // A typed shift moves the scroll bar, which shows it back in its own words.
    row("shift -12.3", "txtSynchronize", "-12.3\r", "",
        "HScroll1=-12300;txtSynchronize=- 12.3 sec");
    row("shift +4", "txtSynchronize", "+4\t", "", "HScroll1=4000;txtSynchronize=+ 4 sec");
    row("shift with a comma", "txtSynchronize", "12,3\r", "", "HScroll1=12300");
    row("shift as shown", "txtSynchronize", "- 0.25 sec\r", "", "HScroll1=-250");
    row("shift past 30 s", "txtSynchronize", "30.1\r", "", "HScroll1=0;txtSynchronize=0 sec",
        {kShiftTooLong});
    row("shift not a number", "txtSynchronize", "1.2.3\r", "", "HScroll1=0", {kNotNumeric});
    row("shift read by Synchronize", "txtSynchronize", "-1.5", "cmdSynchronize", "HScroll1=-1500",
        {"Lumetra 2.6 - Written by Taviel|2|Select a subtitle!"});
  }
  void typing() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, button);
    QFETCH(QString, shown);
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
    const QStringList expected = Entries(qPrintable(shown));
    QCOMPARE(States(started.window, expected), expected);
    QCOMPARE(started.presenter.shown(), messages);
  }

  // The keys move the shift; a click never leaves a rate list without selection.
  void keysAndClicks() {
    StartedWindow started;
    auto* scroll = started.find<QScrollBar>("HScroll1");
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 100},   {Qt::Key_PageDown, -900},
                                             {Qt::Key_Left, -1000},  {Qt::Key_PageUp, 0},
                                             {Qt::Key_Home, -30000}, {Qt::Key_End, 30000}};
    for (const auto& [key, value] : steps) {
      QTest::keyClick(scroll, key);
      QCOMPARE(scroll->value(), value);
    }
    auto* list = started.find<QListWidget>("lstCurrentFrameRate");
    const QRect selected = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, selected.center());
    QCOMPARE(State(started.window, "lstCurrentFrameRate"), QStringLiteral("2"));
  }
};

QTEST_MAIN(MainWindowLinkageTest)
#include "main_window_linkage_test.moc"
