// frmAbout: About from the main window, and the welcome page that start-up shows on the first
// run of this version; every way out brings the main window back.
#include <QDesktopServices>
#include <QGroupBox>
#include <QIcon>
#include <QTextBrowser>
#include <QtTest>

#include "app/support/started_window.h"

namespace {
const QUrl kAboutPage(QStringLiteral("qrc:/pages/abouteng26.htm"));
const QUrl kWelcomePage(QStringLiteral("qrc:/pages/abouteng26first.htm"));
}  // namespace

// Stands in for the user's browser.
class LinkRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

class AboutWindowTest : public QObject {
  Q_OBJECT

  static QDialog* about(const StartedWindow& f) { return f.window.findChild<QDialog*>("frmAbout"); }
  static QTextBrowser* browser(const StartedWindow& f) {
    return Find<QTextBrowser>(*about(f), "wbAbout");
  }
  // The window's caption, its frame's caption and its page.
  static QStringList shown(const StartedWindow& f) {
    return {about(f)->windowTitle(), Find<QGroupBox>(*about(f), "Frame1")->title(),
            browser(f)->source().toString()};
  }

 private slots:
  void theIconRenders() {
    // Without it every window would show the platform's blank icon.
    QVERIFY(!QIcon(":/icons/lumetra.svg").pixmap(QSize(48, 48)).isNull());
  }

  // About twice in a row: the same window each time, on its own page again even after the
  // user wandered off to the other one; the main window stays visible but disabled. Outside
  // links go to the user's browser.
  void aboutTwice() {
    StartedWindow f;
    LinkRecorder browserStandIn;
    QDesktopServices::setUrlHandler("https", &browserStandIn, "open");
    const QUrl outside("https://en.wikipedia.org/wiki/SubRip");
    for (int time = 0; time < 2; ++time) {
      f.press("cmdOver");
      QCOMPARE(shown(f), (QStringList{"Lumetra 2.6 - About - Written by Taviel", "About",
                                      kAboutPage.toString()}));
      QVERIFY(about(f)->isVisible() && f.window.isVisible() && !f.window.isEnabled());
      QVERIFY(!browser(f)->isBackwardAvailable());
      QVERIFY(browser(f)->toPlainText().contains("Lumetra 2.6"));
      emit browser(f)->anchorClicked(outside);
      QCOMPARE(browser(f)->source(), kAboutPage);  // the page stays
      emit browser(f)->anchorClicked(QUrl("abouteng26first.htm"));
      QCOMPARE(browser(f)->source(), kWelcomePage);
      QTest::mouseClick(Find<QPushButton>(*about(f), "cmdOk"), Qt::LeftButton);
      QVERIFY(!about(f)->isVisible() && f.window.isVisible() && f.window.isEnabled());
    }
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(browserStandIn.opened, (QList<QUrl>{outside, outside}));
    QCOMPARE(f.window.findChildren<QDialog*>("frmAbout").size(), 1);
  }

  // The first start hides the main window behind the welcome page until OK, Enter, Escape
  // or the close box; then it shows in the middle of its screen, as on every start.
  void welcomeFromStartUp_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"OK", "close box", "Enter", "Escape"})
      QTest::newRow(way) << QString(way);
  }
  void welcomeFromStartUp() {
    QFETCH(QString, way);
    StartedWindow f{QString()};
    QCOMPARE(shown(f), (QStringList{"Lumetra 2.6 - Welcome - Written by Taviel", "Welcome",
                                    kWelcomePage.toString()}));
    QVERIFY(browser(f)->toPlainText().contains("Welcome to Lumetra 2.6"));
    QVERIFY(about(f)->isVisible() && !f.window.isVisible() && !f.window.isEnabled());
    QDialog* window = about(f);
    if (way == "close box")
      QVERIFY(window->close());
    else if (way == "OK")
      QTest::mouseClick(Find<QPushButton>(*window, "cmdOk"), Qt::LeftButton);
    else  // to the control that has the focus, OK, as the keyboard sends it
      QTest::keyClick(window->focusWidget(), way == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(about(f), window);  // only hidden, kept for the next use
    QVERIFY(!window->isVisible() && f.window.isVisible() && f.window.isEnabled());
    const QPoint offCentre =
        f.window.frameGeometry().center() - f.window.screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 4);
  }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
