#include "app/movie_length.h"

#include <QFileDialog>
#include <QLineEdit>
#include <cmath>

#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/native_path.h"
#include "movie/movie_error.h"
#include "movie/movie_facts.h"

void FillMovieLength(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter) {
  const QString path = QFileDialog::getOpenFileName(
      &window, QStringLiteral("Movie"), QString(),
      QStringLiteral("Movies (*.mkv *.mp4 *.m4v *.avi *.ts *.m2ts *.webm *.mov *.mpg *.ogv);;"
                     "All files (*)"));
  if (path.isEmpty())
    return;
  try {
    const lumetra::MovieFacts facts = lumetra::ProbeMovie(NativePath(path));
    ui.txtLengteFilm->setText(QString::number(std::llround(facts.durationSeconds)));
  } catch (const lumetra::MovieError& error) {
    presenter.show(&window, QString::fromStdString(lumetra::TitleText()),
                   QString::fromUtf8(error.what()), lumetra::MessageIcon::Critical);
  }
}
