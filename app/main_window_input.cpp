// How a subtitle becomes the input: chosen in the open dialog or dropped on the window. Both
// end in acceptSubtitle, the one place that sets the input's controls.
#include <algorithm>

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "app/encoding_choice.h"
#include "app/frame_rate_list.h"
#include "app/main_window.h"
#include "app/message_presenter.h"
#include "app/native_path.h"
#include "app/open_subtitle_dialog.h"
#include "app/subtitle_recognition.h"
#include "operations/frame.h"
#include "operations/message.h"
#include "subtitle/subtitle_error.h"

namespace {

// Only files of this machine can be dropped; a link from a web page cannot.
bool AllLocalFiles(const QMimeData* data) {
  const QList<QUrl> urls = data->urls();
  return !urls.isEmpty() &&
         std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

void MainWindow::onBrowseClicked() {
  // Its close box discards the dialog; the next use makes a new one.
  if (!openDialog_) {
    openDialog_ = new OpenSubtitleDialog(this, store_, presenter_);
    connect(openDialog_, &OpenSubtitleDialog::subtitleChosen, this, &MainWindow::acceptSubtitle);
  }
  openDialog_->open();
}

void MainWindow::acceptSubtitle(const QString& path, const lumetra::SubtitleFileFacts& facts) {
  if (facts.format == lumetra::SubtitleFormat::Unknown)
    return;
  ui_.txtBron->setText(path);
  ResetEncodingChoice(ui_.cboInputEncoding);  // a new file is read as detected
  ui_.lblInputFileInformation->setText(QString::fromStdString(lumetra::DescribeSubtitle(facts)));
  // A listed rate the file declares becomes the input frame rate.
  if (facts.frameRate)
    SelectFrameRate(ui_.lstCurrentFrameRate, *facts.frameRate);
  formatFollow_.followInput(facts.format);
}

void MainWindow::onEncodingChosen() {
  if (ui_.txtBron->text().isEmpty())
    return;
  try {
    const lumetra::SubtitleFileFacts facts = lumetra::InspectSubtitleFile(
        NativePath(ui_.txtBron->text()), {ChosenEncoding(ui_.cboInputEncoding), false});
    if (facts.format != lumetra::SubtitleFormat::Unknown)
      ui_.lblInputFileInformation->setText(
          QString::fromStdString(lumetra::DescribeSubtitle(facts)));
  } catch (const lumetra::SubtitleError& error) {
    presenter_.show(this, QString::fromStdString(lumetra::NameAndVersion()),
                    QString::fromStdString(lumetra::FailureText(error)),
                    lumetra::MessageIcon::Critical);
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (AllLocalFiles(event->mimeData()))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!AllLocalFiles(event->mimeData()))
    return;
  event->acceptProposedAction();
  const QList<QUrl> urls = event->mimeData()->urls();
  const QString path = urls.first().toLocalFile();
  const bool several = urls.size() > 1;
  // Looked at once the drop is over, so that a message box does not hold up the program the
  // file came from.
  QMetaObject::invokeMethod(
      this,
      [this, path, several] {
        if (several) {
          refuseDrop("Drop one subtitle at a time.");
        } else if (QFileInfo(path).isDir()) {
          refuseDrop("Drop a subtitle file, not a folder.");
        } else if (const auto facts = RecogniseSubtitle(path, presenter_, this)) {
          acceptSubtitle(path, *facts);
        }
      },
      Qt::QueuedConnection);
}

void MainWindow::refuseDrop(const char* text) {
  presenter_.show(this, QString::fromLatin1(lumetra::kProgramName), QString::fromLatin1(text),
                  lumetra::MessageIcon::Critical);
}
