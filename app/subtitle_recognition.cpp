#include "app/subtitle_recognition.h"

#include "app/message_presenter.h"
#include "app/native_path.h"
#include "operations/frame.h"
#include "operations/message.h"
#include "subtitle/subtitle_error.h"

std::optional<lumetra::SubtitleFileFacts> RecogniseSubtitle(const QString& path,
                                                            MessagePresenter& presenter,
                                                            QWidget* parent) {
  lumetra::SubtitleFileFacts facts;
  try {
    facts = lumetra::InspectSubtitleFile(NativePath(path));
  } catch (const lumetra::SubtitleError& error) {
    presenter.show(parent, QString::fromStdString(lumetra::NameAndVersion()),
                   QString::fromStdString(lumetra::FailureText(error)),
                   lumetra::MessageIcon::Critical);
    return std::nullopt;
  }
  if (facts.format != lumetra::SubtitleFormat::Unknown)
    return facts;
  presenter.show(parent, QString::fromLatin1(lumetra::kProgramName),
                 QString::fromLatin1(lumetra::kNotASubtitle), lumetra::MessageIcon::Critical);
  return std::nullopt;
}
