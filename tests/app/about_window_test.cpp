// frmAbout: About from the main window, and the welcome page that start-up shows on the first
// run of this version; every way out brings the main window back.
#include <QDesktopServices>
#include <QGroupBox>
#include <QIcon>
#include <QPointer>
#include <QTextBrowser>
#include <QtTest>

#include "app/support/started_window.h"

namespace {
const QString kAboutTitle = QStringLiteral("Lumetra 2.6 - About - Written by Taviel");
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

  static QWidget* about(const StartedWindow& f) { return f.window.findChild<QWidget*>("frmAbout"); }
  static QTextBrowser* browser(const StartedWindow& f) {
    return Find<QTextBrowser>(*about(f), "wbAbout");
  }
  static QString frame(const StartedWindow& f) {
    return Find<QGroupBox>(*about(f), "Frame1")->title();
  }
  static void clickOk(const StartedWindow& f) {
    QTest::mouseClick(Find<QPushButton>(*about(f), "cmdOk"), Qt::LeftButton);
  }

 private slots:
  void resourcesAreBundled() {
    for (const char* name :
         {":/icons/lumetra.svg", ":/pages/abouteng26.htm", ":/pages/abouteng26first.htm"}) {
      QVERIFY2(QFile::exists(name), name);
    }
    // The icon must render, or every window would show the platform's blank icon.
    QVERIFY(!QIcon(":/icons/lumetra.svg").pixmap(QSize(48, 48)).isNull());
  }

  // About twice in a row: the same window each time, on its own page again even after the
  // user wandered off to the other one; the main window stays visible but disabled. Outside
  // links go to the user's browser.
  void aboutTwice() {
    StartedWindow f;
    LinkRecorder browserStandIn;
    QDesktopServices::setUrlHandler("https", &browserStandIn, "open");
    for (int time = 0; time < 2; ++time) {
      f.press("cmdOver");
      QVERIFY(about(f)->isWindow() && about(f)->isVisible() && about(f)->isEnabled());
      QCOMPARE(about(f)->windowTitle(), kAboutTitle);
      QCOMPARE(frame(f), QString("About"));
      QCOMPARE(browser(f)->source(), kAboutPage);
      QVERIFY(!browser(f)->isBackwardAvailable());
      QCOMPARE(about(f)->windowIcon().cacheKey(), f.window.windowIcon().cacheKey());
      QVERIFY(f.window.isVisible() && !f.window.isEnabled());
      const QString page = browser(f)->toPlainText();
      for (const char* words :
           {"Lumetra 2.6", "Split", "Correct", "Change FrameRate", "Synchronize", "Delete comments",
            "Convert", "Guess framerate", "Use the output file as new input file",
            "Delete the sourcefile after using it", "Auto set outputformat", "Save settings"}) {
        QVERIFY2(page.contains(words), words);
      }
      emit browser(f)->anchorClicked(QUrl("https://en.wikipedia.org/wiki/SubRip"));
      QCOMPARE(browser(f)->source(), kAboutPage);  // the page stays
      emit browser(f)->anchorClicked(QUrl("abouteng26first.htm"));
      QCOMPARE(browser(f)->source(), kWelcomePage);
      QPointer<QWidget> window = about(f);
      clickOk(f);
      QVERIFY(!window->isVisible());
      QVERIFY(f.window.isVisible() && f.window.isEnabled());
    }
    QDesktopServices::unsetUrlHandler("https");
    const QUrl link("https://en.wikipedia.org/wiki/SubRip");
    QCOMPARE(browserStandIn.opened, (QList<QUrl>{link, link}));
  }

  // The first start hides the main window behind the welcome page until OK, Enter, Escape
  // or the close box.
  void welcomeFromStartUp_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"OK", "close box", "Enter", "Escape"})
      QTest::newRow(way) << QString(way);
  }
  void welcomeFromStartUp() {
    QFETCH(QString, way);
    StartedWindow f{QString()};
    QCOMPARE(about(f)->windowTitle(), QString("Lumetra 2.6 - Welcome - Written by Taviel"));
    QCOMPARE(frame(f), QString("Welcome"));
    QCOMPARE(browser(f)->source(), kWelcomePage);
    QVERIFY(browser(f)->toPlainText().contains("Welcome to Lumetra 2.6"));
    QVERIFY(about(f)->isVisible());
    QVERIFY(!f.window.isVisible() && !f.window.isEnabled());
    QPointer<QWidget> window = about(f);
    if (way == "close box")
      QVERIFY(window->close());
    else if (way == "OK")
      clickOk(f);
    else  // to the control that has the focus, OK, as the keyboard sends it
      QTest::keyClick(window->focusWidget(), way == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window.isNull());  // only hidden, kept for the next use
    QVERIFY(!window->isVisible());
    QVERIFY(f.window.isVisible() && f.window.isEnabled());
    // In the middle of its screen, as on every start.
    const QPoint offCentre =
        f.window.frameGeometry().center() - f.window.screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 4);
  }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
