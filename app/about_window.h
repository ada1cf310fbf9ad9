#pragma once

#include <QDialog>
#include <QUrl>

class QGroupBox;
class QPushButton;
class QTextBrowser;

// The About and welcome window (frmAbout): one of the program's own pages in a text browser,
// and OK. While it is shown the main window is disabled, on the welcome path also hidden;
// OK, Enter, Escape and the close box bring the main window back and only hide this window.
// A dialog, though never modal, so that OK is its default button.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Page { About, Welcome };

  explicit AboutWindow(QWidget* mainWindow);

  void showPage(Page page);
  // Where each page is bundled with the program.
  static QUrl pageUrl(Page page);

  // Every way out: OK (accept), Escape and the close box (reject).
  void done(int result) override;

 private:
  void openLink(const QUrl& link);

  QWidget* main_;
  QGroupBox* frame_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QPushButton* ok_ = nullptr;
};
