// The output format follows the input on every change of tab while "Auto set outputformat" is
// stored as on: the input's own format on every tab, the other one on "Convert". Tab walks the
// window in reading order.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "app/support/started_window.h"

class MainWindowTabsTest : public QObject {
  Q_OBJECT

 private slots:
  // From the Correct tab, with `start` selected, to tab `tab` (0 Split, 5 Convert); `input`
  // holds the input's first bytes, or "missing" for none on disk.
  void followsTheInput_data() {
    QTest::addColumn<QString>("option");  // stored "OutputFormatIsInputFormat", "" for none
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* option, const char* input, int tab,
                        const char* start, const char* expected) {
      QTest::newRow(name) << QString(option) << QString(input) << tab << QString(start)
                          << QString(expected);
    };
    const char* srt = "1\r\n0:0:1 --> 0:0:2\r\n";
    row("MicroDVD to Convert", "1", "{1}{2}x", 5, "optMicroDVD", "optSubRip");
    row("SubRip back to Split", "", srt, 0, "optMicroDVD", "optSubRip");
    row("option off", "0", "{1}{2}x", 5, "optMicroDVD", "optMicroDVD");
    row("unknown first character", "1", "x", 5, "optMicroDVD", "optMicroDVD");
    row("missing file", "1", "missing", 5, "optSubRip", "optSubRip");
    const char* vtt = "WEBVTT\r\n\r\n00:01.000 --> 00:02.000\r\nx\r\n";
    row("WebVTT like SubRip to Convert", "1", vtt, 5, "optWebVTT", "optMicroDVD");
    row("WebVTT like SubRip to Split", "1", vtt, 0, "optMicroDVD", "optSubRip");
  }
  void followsTheInput() {
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(int, tab);
    QFETCH(QString, start);
    QFETCH(QString, expected);
    StartedWindow started(option.isEmpty() ? kWelcomed
                                           : kWelcomed + "OutputFormatIsInputFormat=" + option);
    started.find<QTabWidget>("TabAction")->setCurrentIndex(1);
    if (input == "missing")
      started.set("txtBron", started.dir.filePath("gone.sub"));
    else
      started.input("input.sub", input.toLatin1());
    started.find<QRadioButton>(qPrintable(start))->setChecked(true);
    started.find<QTabWidget>("TabAction")->setCurrentIndex(tab);
    QCOMPARE(State(started.window, expected), QStringLiteral("1"));
    QVERIFY(started.presenter.messages.empty());
  }

  // The encoding chosen beside the input's information reads it again in that code page.
  void encodingChoiceDescribesTheInputAgain() {
    StartedWindow started(kWelcomed);
    started.input("input.sub", "{1}{2}\xCF\xF0\xE8\r\n{3}{4}x\r\n");
    auto* choice = started.find<QComboBox>("cboInputEncoding");
    choice->setCurrentIndex(choice->findText("windows-1251"));
    QCOMPARE(started.find<QLabel>("lblInputFileInformation")->text(),
             QStringLiteral("MicroDVD subtitle (windows-1251)"));
  }

  // Tab visits every control of the window and of the current tab once, in reading order.
  void tabWalksTheWindow() {
    StartedWindow started;
    started.find<QTabWidget>("TabAction")->setCurrentIndex(3);
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QStringList visited;
    do {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const QWidget* focus = QApplication::focusWidget();  // the tab bar stands for TabAction
      visited << (focus->objectName().startsWith("qt_") ? focus->parent() : focus)->objectName();
    } while (visited.last() != "cmdBronZoeken" && visited.size() < 40);
    QCOMPARE(visited,
             QStringList({"lstCurrentFrameRate", "cboInputEncoding", "optMicroDVD", "TabAction",
                          "txtSynchronize", "HScroll1", "cmdSynchronize", "cmdOptions", "cmdOver",
                          "cmdAfsluiten", "txtBron", "cmdBronZoeken"}));
  }
};

QTEST_MAIN(MainWindowTabsTest)
#include "main_window_tabs_test.moc"
