// How a subtitle becomes the input: chosen in the open dialog or dropped on the window. Both
// end in acceptSubtitle, the one place that sets the input's controls.
#include <algorithm>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "app/frame_rates.h"
#include "app/main_window.h"
#include "app/open_subtitle_dialog.h"
#include "app/position_list.h"
#include "app/secondary_windows.h"
#include "app/subtitle_recognition.h"

namespace {

// Only files of this machine can be dropped; a link from a web page cannot.
bool AllLocalFiles(const QMimeData* data) {
  const QList<QUrl> urls = data->urls();
  return !urls.isEmpty() &&
         std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

void MainWindow::cmdBronZoeken_Click() {
  OpenSubtitleDialog* dialog = ShowOpenSubtitleDialog(this, store_, presenter_);
  // A dialog discarded by its close box comes back new, so each one is connected once.
  connect(dialog, &OpenSubtitleDialog::subtitleChosen, this, &MainWindow::acceptSubtitle,
          Qt::UniqueConnection);
}

void MainWindow::acceptSubtitle(const QString& path, const lumetra::SubtitleFileFacts& facts) {
  if (facts.format == lumetra::SubtitleFormat::Unknown)
    return;
  ui_.txtBron->setText(path);
  ui_.lblInputFileInformation->setText(QString::fromStdString(lumetra::DescribeSubtitle(facts)));
  // A listed rate the file declares becomes the input frame rate.
  if (facts.frameRate)
    SelectPosition(ui_.lstCurrentFrameRate, FrameRatePosition(facts.frameRate->value));
  if (outputFollowsInput())
    presetOutputFormat(facts.format == lumetra::SubtitleFormat::MicroDvd);
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
        const auto refuse = [this](const char* text) {
          showMessage(QStringLiteral("Lumetra"), QString::fromLatin1(text),
                      lumetra::MessageIcon::Critical);
        };
        if (several) {
          refuse("Drop one subtitle at a time.");
        } else if (QFileInfo(path).isDir()) {
          refuse("Drop a subtitle file, not a folder.");
        } else if (const auto facts = RecogniseSubtitle(path, presenter_, this)) {
          acceptSubtitle(path, *facts);
        }
      },
      Qt::QueuedConnection);
}
