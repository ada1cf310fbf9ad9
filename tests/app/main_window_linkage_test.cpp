// The numeric fields, their messages, the seconds/frames linkage through the input frame
// rate, the scroll bar's text and the two mirrored frame-rate lists.
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "app/main_window.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"

namespace {

const QString kMessageA = QStringLiteral("This field must be numeric!\rPlease enter a number.");
const QString kMessageB =
    QStringLiteral("This field must contain a positive number!\rPlease enter a positive number.");

int Selected(const QWidget& window, const char* list) {
  const QListWidget* widget = Find<QListWidget>(window, list);
  const auto items = widget->selectedItems();
  return items.isEmpty() ? -1 : widget->row(items.first());
}

// A started window with nothing stored but the first-run bookkeeping.
struct Started {
  explicit Started(const QLocale& locale) {
    QLocale::setDefault(locale);
    window.formLoad();
  }
  ~Started() { QLocale::setDefault(QLocale::c()); }
  QString text(const char* box) const { return Find<QLineEdit>(window, box)->text(); }
  void set(const char* box, const QString& text) { Find<QLineEdit>(window, box)->setText(text); }

  TempIniStore store{QStringLiteral("[General]\nEersteKeer=1\n")};
  RecordingPresenter presenter;
  MainWindow window{store, presenter};
};

const QLocale kGerman(QLocale::German, QLocale::Germany);

}  // namespace

class MainWindowLinkageTest : public QObject {
  Q_OBJECT

 private slots:
  void segmentFields_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("rate");  // position in lstCurrentFrameRate
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QStringList>("messages");
    const QLocale c = QLocale::c();
    QTest::newRow("seconds at 25") << c << 2 << "txtSec"
                                   << "7200"
                                   << "7200"
                                   << "180000" << QStringList();
    QTest::newRow("frames at 25") << c << 2 << "txtFrames"
                                  << "180001"
                                  << "7200"
                                  << "180001" << QStringList();
    // The link rate is the entry's true rate, whichever decimal separator the locale has.
    QTest::newRow("23.976, point locale") << c << 0 << "txtSec"
                                          << "7200"
                                          << "7200"
                                          << "172627" << QStringList();
    QTest::newRow("23.976, comma locale") << kGerman << 0 << "txtSec"
                                          << "7200"
                                          << "7200"
                                          << "172627" << QStringList();
    QTest::newRow("29.97") << c << 3 << "txtSec"
                           << "7200"
                           << "7200"
                           << "215784" << QStringList();
    QTest::newRow("frames at 23.976") << c << 0 << "txtFrames"
                                      << "100000"
                                      << "4170"
                                      << "100000" << QStringList();
    QTest::newRow("seconds cleared") << c << 2 << "txtSec"
                                     << ""
                                     << "0"
                                     << "0" << QStringList();
    QTest::newRow("frames cleared") << c << 2 << "txtFrames"
                                    << ""
                                    << "0"
                                    << "0" << QStringList();
    QTest::newRow("letter in frames") << c << 2 << "txtFrames"
                                      << "12a"
                                      << "7200"
                                      << "180000" << QStringList{kMessageA};
    QTest::newRow("negative seconds") << c << 2 << "txtSec"
                                      << "-5"
                                      << "7200"
                                      << "180000" << QStringList{kMessageB};
    QTest::newRow("fraction of seconds") << c << 2 << "txtSec"
                                         << "12.5"
                                         << "12"
                                         << "300" << QStringList();
    QTest::newRow("fraction, comma locale") << kGerman << 2 << "txtSec"
                                            << "12,5"
                                            << "12"
                                            << "300" << QStringList();
    QTest::newRow("grouping, comma locale") << kGerman << 2 << "txtFrames"
                                            << "1.000"
                                            << "40"
                                            << "1000" << QStringList();
    QTest::newRow("exponent") << c << 2 << "txtSec"
                              << "1e2"
                              << "100"
                              << "2500" << QStringList();
  }
  void segmentFields() {
    QFETCH(QLocale, locale);
    QFETCH(int, rate);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, seconds);
    QFETCH(QString, frames);
    QFETCH(QStringList, messages);
    Started started(locale);
    Find<QListWidget>(started.window, "lstCurrentFrameRate")->setCurrentRow(rate);
    started.set("txtSec", QStringLiteral("7200"));
    started.set(field.toLatin1().constData(), typed);
    QCOMPARE(started.text("txtSec"), seconds);
    QCOMPARE(started.text("txtFrames"), frames);
    QCOMPARE(started.presenter.texts(), messages);
  }

  void typingKeyByKeyKeepsTheFieldsTogether() {
    Started started(QLocale::c());
    auto* seconds = Find<QLineEdit>(started.window, "txtSec");
    seconds->selectAll();
    QTest::keyClicks(seconds, QStringLiteral("3600"));
    QCOMPARE(started.text("txtSec"), QStringLiteral("3600"));
    QCOMPARE(started.text("txtFrames"), QStringLiteral("90000"));
    QVERIFY(started.presenter.messages.empty());
  }

  void singleFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("length negative") << "txtLengteFilm"
                                     << "-5"
                                     << "5" << QStringList{kMessageB};
    QTest::newRow("length letters") << "txtLengteFilm"
                                    << "abc"
                                    << "0" << QStringList{kMessageA};
    QTest::newRow("length cleared") << "txtLengteFilm"
                                    << ""
                                    << "0" << QStringList();
    QTest::newRow("length fraction") << "txtLengteFilm"
                                     << "12.5"
                                     << "12" << QStringList();
    QTest::newRow("length negative fraction") << "txtLengteFilm"
                                              << "-7.5"
                                              << "7" << QStringList{kMessageB};
    QTest::newRow("segments 1") << "txtNumberOfSegments"
                                << "1"
                                << "2" << QStringList();
    QTest::newRow("segments 0") << "txtNumberOfSegments"
                                << "0"
                                << "2" << QStringList();
    QTest::newRow("segments 2.7") << "txtNumberOfSegments"
                                  << "2.7"
                                  << "2" << QStringList();
    QTest::newRow("segments -7") << "txtNumberOfSegments"
                                 << "-7"
                                 << "7" << QStringList{kMessageB};
    QTest::newRow("segments letters") << "txtNumberOfSegments"
                                      << "x"
                                      << "2" << QStringList{kMessageA};
    QTest::newRow("segments 12") << "txtNumberOfSegments"
                                 << "12"
                                 << "12" << QStringList();
  }
  void singleFields() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QStringList, messages);
    Started started(QLocale::c());
    started.set(field.toLatin1().constData(), typed);
    QCOMPARE(started.text(field.toLatin1().constData()), expected);
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
    QTest::newRow("-30000") << QLocale::c() << -30000 << "- 30 sec";
    QTest::newRow("100") << QLocale::c() << 100 << "+ 0.1 sec";
    QTest::newRow("1500") << QLocale::c() << 1500 << "+ 1.5 sec";
    QTest::newRow("-250") << QLocale::c() << -250 << "- 0.25 sec";
    QTest::newRow("30000") << QLocale::c() << 30000 << "+ 30 sec";
    QTest::newRow("1500, comma locale") << kGerman << 1500 << "+ 1,5 sec";
  }
  void scrollBarText() {
    QFETCH(QLocale, locale);
    QFETCH(int, value);
    QFETCH(QString, expected);
    Started started(locale);
    auto* scroll = Find<QScrollBar>(started.window, "HScroll1");
    scroll->setValue(value);
    QCOMPARE(started.text("txtSynchronize"), expected);
    scroll->setValue(0);
    QCOMPARE(started.text("txtSynchronize"), QStringLiteral("0 sec"));
  }

  void scrollBarSteps() {
    Started started(QLocale::c());
    auto* scroll = Find<QScrollBar>(started.window, "HScroll1");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(scroll->value(), 100);
    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(scroll->value(), -900);
  }

  void inputRateCarriesTheConvertRateAndTheFrames() {
    Started started(QLocale::c());
    Find<QListWidget>(started.window, "lstCurrentFrameRate")->setCurrentRow(4);
    QCOMPARE(Selected(started.window, "lstConvertFrameRate"), 4);
    QCOMPARE(started.text("txtSec"), QStringLiteral("7200"));
    QCOMPARE(started.text("txtFrames"), QStringLiteral("216000"));
  }

  void convertRateCarriesTheInputRateOnly() {
    Started started(QLocale::c());
    Find<QListWidget>(started.window, "lstConvertFrameRate")->setCurrentRow(1);
    QCOMPARE(Selected(started.window, "lstCurrentFrameRate"), 1);
    QCOMPARE(started.text("txtSec"), QStringLiteral("7200"));
    QCOMPARE(started.text("txtFrames"), QStringLiteral("180000"));
    // The guard is free again: the next edit links through the new rate, 24.
    started.set("txtSec", QStringLiteral("100"));
    QCOMPARE(started.text("txtFrames"), QStringLiteral("2400"));
  }

  void aClickNeverLeavesAListWithoutSelection() {
    Started started(QLocale::c());
    auto* list = Find<QListWidget>(started.window, "lstCurrentFrameRate");
    list->show();
    const QRect second = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    QCOMPARE(Selected(started.window, "lstCurrentFrameRate"), 2);
  }
};

QTEST_MAIN(MainWindowLinkageTest)
#include "main_window_linkage_test.moc"
