// The output format follows the input on every tab change while "Auto set outputformat" is
// stored as on: the input's own format on every tab, the other one on "Convert". Tab walks
// the window in reading order.
#include <QRadioButton>
#include <QtTest>

#include "app/support/started_window.h"

namespace {
constexpr int kSplit = 0;
constexpr int kSynchronize = 3;
constexpr int kConvert = 5;
}  // namespace

class MainWindowTabsTest : public QObject {
  Q_OBJECT

 private slots:
  void followsTheInput_data() {
    QTest::addColumn<QString>("option");  // stored "OutputFormatIsInputFormat", "" for none
    QTest::addColumn<QString>("input");   // first bytes of the input; "missing", "none"
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("startMicroDvd");
    QTest::addColumn<bool>("expectMicroDvd");
    const auto row = [](const char* name, const char* option, const char* input, int tab,
                        bool start, bool expect) {
      QTest::newRow(name) << QString::fromLatin1(option) << QString::fromLatin1(input) << tab
                          << start << expect;
    };
    row("MicroDVD to Convert", "1", "{1}{2}x", kConvert, true, false);
    row("MicroDVD back to Split", "1", "{1}{2}x", kSplit, false, true);
    row("SubRip to Convert", "1", "1\r\n0:0:1 --> 0:0:2\r\n", kConvert, false, true);
    row("SubRip to Synchronize", "1", "1\r\n0:0:1 --> 0:0:2\r\n", kSynchronize, true, false);
    row("option absent means on", "", "{1}{2}x", kConvert, true, false);
    row("option off", "0", "{1}{2}x", kConvert, true, true);
    row("unknown first character", "1", "x", kConvert, true, true);
    row("missing file", "1", "missing", kConvert, false, false);
    row("no input", "1", "none", kConvert, true, true);
  }
  void followsTheInput() {
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(int, tab);
    QFETCH(bool, startMicroDvd);
    QFETCH(bool, expectMicroDvd);
    StartedWindow started(option.isEmpty()
                              ? kWelcomed
                              : kWelcomed +
                                    QStringLiteral("OutputFormatIsInputFormat=%1\n").arg(option));
    started.find<QTabWidget>("TabAction")->setCurrentIndex(1);  // a neutral start
    if (input == QLatin1String("missing"))
      started.set("txtBron", started.dir.filePath(QStringLiteral("gone.sub")));
    else if (input != QLatin1String("none"))
      started.input(QStringLiteral("input.sub"), input.toLatin1());
    started.find<QRadioButton>(startMicroDvd ? "optMicroDVD" : "optSubRip")->setChecked(true);

    started.find<QTabWidget>("TabAction")->setCurrentIndex(tab);
    const QStringList shown = {QStringLiteral("optMicroDVD=%1").arg(int(expectMicroDvd)),
                               QStringLiteral("optSubRip=%1").arg(int(!expectMicroDvd))};
    QCOMPARE(States(started.window, shown), shown);
    QVERIFY(started.presenter.messages.empty());
  }

  // Tab visits every control of the window and of the current tab once, in reading order.
  void tabWalksTheWindow() {
    StartedWindow started;
    started.find<QTabWidget>("TabAction")->setCurrentIndex(kSynchronize);
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QStringList visited;
    do {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const QWidget* focus = QApplication::focusWidget();  // the tab bar stands for TabAction
      visited << (focus->objectName().startsWith("qt_") ? focus->parent() : focus)->objectName();
    } while (visited.last() != "cmdBronZoeken" && visited.size() < 40);
    QCOMPARE(visited, QStringList({"lstCurrentFrameRate", "optMicroDVD", "TabAction",
                                   "txtSynchronize", "HScroll1", "cmdSynchronize", "cmdOptions",
                                   "cmdOver", "cmdAfsluiten", "txtBron", "cmdBronZoeken"}));
  }
};

QTEST_MAIN(MainWindowTabsTest)
#include "main_window_tabs_test.moc"
