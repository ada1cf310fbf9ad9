#include "app/about_window.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/window_placement.h"
#include "operations/message.h"

// The pages and the icon live in a resource file of the app library. Naming its initialiser
// here keeps the linker from dropping it from the programs (it then also registers itself at
// start, in time for the window icon); registering twice is harmless.
static void LoadResources() {
  Q_INIT_RESOURCE(resources);
}

AboutWindow::AboutWindow(QWidget* mainWindow) : QDialog(mainWindow), main_(mainWindow) {
  LoadResources();
  setObjectName(QStringLiteral("frmAbout"));

  frame_ = new QGroupBox(QStringLiteral("About"));
  frame_->setObjectName(QStringLiteral("Frame1"));
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("wbAbout"));
  browser_->setOpenLinks(false);  // openLink decides where each link goes
  auto* frameLayout = new QVBoxLayout(frame_);
  frameLayout->addWidget(browser_);

  auto* buttons = new QGroupBox;
  buttons->setObjectName(QStringLiteral("Frame2"));
  ok_ = new QPushButton(QStringLiteral("&OK"));
  ok_->setObjectName(QStringLiteral("cmdOk"));
  ok_->setDefault(true);
  auto* buttonLayout = new QHBoxLayout(buttons);
  buttonLayout->addStretch(1);
  buttonLayout->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame_, 1);
  layout->addWidget(buttons);
  resize(620, 520);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(browser_, &QTextBrowser::anchorClicked, this, &AboutWindow::openLink);
}

QUrl AboutWindow::pageUrl(Page page) {
  return QUrl(page == Page::About ? QStringLiteral("qrc:/pages/abouteng26.htm")
                                  : QStringLiteral("qrc:/pages/abouteng26first.htm"));
}

void AboutWindow::showPage(Page page) {
  const bool about = page == Page::About;
  main_->setEnabled(false);
  setEnabled(true);  // a window of the main window's is disabled along with it
  setWindowIcon(main_->windowIcon());
  setWindowTitle(QString::fromStdString(lumetra::WindowCaption(about ? "About" : "Welcome")));
  frame_->setTitle(about ? QStringLiteral("About") : QStringLiteral("Welcome"));
  // Load the page afresh each time, even when it is the one already shown.
  browser_->setSource(QUrl());
  browser_->setSource(pageUrl(page));
  browser_->clearHistory();
  if (!isVisible()) {
    CenterOverMainWindow(this, main_);
  }
  ok_->setFocus();  // Enter closes the window, rather than following a link of the page
  show();
  raise();
  activateWindow();
  if (!about) {
    main_->hide();
  }
}

void AboutWindow::openLink(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (target.scheme() == QLatin1String("qrc")) {
    browser_->setSource(target);  // our own pages stay in the window
  } else {
    QDesktopServices::openUrl(target);  // the rest goes to the user's browser
  }
}

void AboutWindow::done(int result) {
  main_->setEnabled(true);
  main_->show();
  QDialog::done(result);  // only hides: the window is kept for the next use
}
