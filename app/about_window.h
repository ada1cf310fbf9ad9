#pragma once

#include <QUrl>
#include <QWidget>

class QGroupBox;
class QTextBrowser;

// The About and welcome window (frmAbout): one of the program's own pages in a text browser,
// and OK. While it is shown the main window is disabled, on the welcome path also hidden;
// OK and the close box bring the main window back and only hide this window.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kObjectName = "frmAbout";
  enum class Page { About, Welcome };

  explicit AboutWindow(QWidget* mainWindow);

  void showPage(Page page);
  // Where each page is bundled with the program.
  static QUrl pageUrl(Page page);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void openLink(const QUrl& link);
  void returnToMainWindow();

  QWidget* main_;
  QGroupBox* frame_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};
