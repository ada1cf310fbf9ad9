#include "app/subtitle_recognition.h"

#include "app/message_presenter.h"
#include "app/native_path.h"
#include "operations/message.h"
#include "subtitle/subtitle_error.h"

std::optional<lumetra::DetectedKind> RecogniseSubtitle(const QString& path,
                                                       MessagePresenter& presenter,
                                                       QWidget* parent) {
  lumetra::DetectedKind kind = lumetra::DetectedKind::Unknown;
  try {
    kind = lumetra::DetectSubtitleKind(NativePath(path));
  } catch (const lumetra::SubtitleError& error) {
    presenter.show(parent, QStringLiteral("Lumetra ") + QLatin1String(lumetra::kVersion),
                   QStringLiteral("An error has occurred!\r\rError %1 : %2")
                       .arg(error.number())
                       .arg(QString::fromLocal8Bit(error.description())),
                   lumetra::MessageIcon::Critical);
    return std::nullopt;
  }
  if (kind == lumetra::DetectedKind::MicroDvd || kind == lumetra::DetectedKind::SubRip)
    return kind;
  // A SubViewer file is refused like any other.
  presenter.show(parent, QStringLiteral("Lumetra"),
                 QStringLiteral("The selected file is not a subtitle (or is an unknown format)"),
                 lumetra::MessageIcon::Critical);
  return std::nullopt;
}
