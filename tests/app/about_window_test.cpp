#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "app/secondary_windows.h"

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

 private slots:
  void init();
  void cleanup();

  void resourcesAreBundled();
  void aboutKeepsTheMainWindowVisibleButDisabled();
  void okBringsTheMainWindowBack();
  void aboutTwiceShowsTheSameWindowAfresh();
  void welcomeHidesTheMainWindowUntilOk();
  void welcomeCloseBoxAlsoBringsTheMainWindowBack();
  void aboutPageDescribesEveryOperationAndOption();
  void outsideLinksGoToTheBrowser();

 private:
  QWidget* about() const { return main_->findChild<QWidget*>("frmAbout"); }
  QTextBrowser* browser() const { return about()->findChild<QTextBrowser*>("wbAbout"); }
  QString frameCaption() const { return about()->findChild<QGroupBox*>("Frame1")->title(); }
  void clickOk() { QTest::mouseClick(about()->findChild<QPushButton*>("cmdOk"), Qt::LeftButton); }

  std::unique_ptr<QWidget> main_;
};

void AboutWindowTest::init() {
  main_ = std::make_unique<QWidget>();
  main_->setObjectName("frmLumetraMain");
  main_->setWindowIcon(QIcon(":/icons/lumetra.svg"));
  main_->show();
}

void AboutWindowTest::cleanup() {
  main_.reset();
}

void AboutWindowTest::resourcesAreBundled() {
  for (const char* name :
       {":/icons/lumetra.svg", ":/pages/abouteng26.htm", ":/pages/abouteng26first.htm"}) {
    QVERIFY2(QFile::exists(name), name);
  }
  // The icon must render, or every window would show the platform's blank icon.
  const QIcon icon(":/icons/lumetra.svg");
  QVERIFY(!icon.pixmap(QSize(48, 48)).isNull());
}

void AboutWindowTest::aboutKeepsTheMainWindowVisibleButDisabled() {
  ShowAbout(main_.get());
  QVERIFY(about());
  QVERIFY(about()->isWindow());
  QVERIFY(about()->isVisible());
  QVERIFY(about()->isEnabled());
  QCOMPARE(about()->windowTitle(), QString("Lumetra 2.6 - About - Written by Taviel"));
  QCOMPARE(frameCaption(), QString("About"));
  QCOMPARE(browser()->source(), QUrl("qrc:/pages/abouteng26.htm"));
  QVERIFY(browser()->toPlainText().contains("Lumetra 2.6"));
  QCOMPARE(about()->windowIcon().cacheKey(), main_->windowIcon().cacheKey());
  QVERIFY(main_->isVisible());
  QVERIFY(!main_->isEnabled());
}

void AboutWindowTest::okBringsTheMainWindowBack() {
  ShowAbout(main_.get());
  clickOk();
  QVERIFY(!about()->isVisible());
  QVERIFY(main_->isEnabled());
  QVERIFY(main_->isVisible());
}

void AboutWindowTest::aboutTwiceShowsTheSameWindowAfresh() {
  ShowWelcome(main_.get());
  QPointer<QWidget> first = about();
  clickOk();
  ShowAbout(main_.get());
  QCOMPARE(about(), first.data());
  QCOMPARE(frameCaption(), QString("About"));
  QCOMPARE(about()->windowTitle(), QString("Lumetra 2.6 - About - Written by Taviel"));
  // Wander off to the other page, close, and open About again: its own page comes back.
  emit browser()->anchorClicked(QUrl("abouteng26first.htm"));
  QCOMPARE(browser()->source(), QUrl("qrc:/pages/abouteng26first.htm"));
  QVERIFY(about()->close());
  ShowAbout(main_.get());
  QCOMPARE(about(), first.data());
  QCOMPARE(browser()->source(), QUrl("qrc:/pages/abouteng26.htm"));
  QVERIFY(!browser()->isBackwardAvailable());
  QVERIFY(about()->isVisible());
  QVERIFY(!main_->isEnabled());
}

void AboutWindowTest::welcomeHidesTheMainWindowUntilOk() {
  ShowWelcome(main_.get());
  QCOMPARE(about()->windowTitle(), QString("Lumetra 2.6 - Welcome - Written by Taviel"));
  QCOMPARE(frameCaption(), QString("Welcome"));
  QCOMPARE(browser()->source(), QUrl("qrc:/pages/abouteng26first.htm"));
  QVERIFY(browser()->toPlainText().contains("Welcome to Lumetra 2.6"));
  QVERIFY(about()->isVisible());
  QVERIFY(!main_->isVisible());
  QVERIFY(!main_->isEnabled());
  clickOk();
  QVERIFY(main_->isVisible());
  QVERIFY(main_->isEnabled());
  QVERIFY(!about()->isVisible());
}

void AboutWindowTest::welcomeCloseBoxAlsoBringsTheMainWindowBack() {
  ShowWelcome(main_.get());
  QPointer<QWidget> window = about();
  QVERIFY(window->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!window.isNull());  // only hidden, kept for the next use
  QVERIFY(!window->isVisible());
  QVERIFY(main_->isVisible());
  QVERIFY(main_->isEnabled());
}

void AboutWindowTest::aboutPageDescribesEveryOperationAndOption() {
  ShowAbout(main_.get());
  const QString page = browser()->toPlainText();
  for (const char* words :
       {"Split", "Correct", "Change FrameRate", "Synchronize", "Delete comments", "Convert",
        "Guess framerate", "Use the output file as new input file",
        "Delete the sourcefile after using it", "Auto set outputformat", "Save settings"}) {
    QVERIFY2(page.contains(words), words);
  }
}

void AboutWindowTest::outsideLinksGoToTheBrowser() {
  LinkRecorder browserStandIn;
  QDesktopServices::setUrlHandler("https", &browserStandIn, "open");
  ShowAbout(main_.get());
  emit browser()->anchorClicked(QUrl("https://en.wikipedia.org/wiki/SubRip"));
  QDesktopServices::unsetUrlHandler("https");
  QCOMPARE(browserStandIn.opened, QList<QUrl>{QUrl("https://en.wikipedia.org/wiki/SubRip")});
  QCOMPARE(browser()->source(), QUrl("qrc:/pages/abouteng26.htm"));  // the page stays
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
