#pragma once

#include <QString>

class MessagePresenter;
class QWidget;
struct MainWindowControls;

// Guess framerate's "Movie...": asks for a movie file and puts its length, in whole seconds,
// into txtLengteFilm; a movie that cannot be read is told through the presenter.
void FillMovieLength(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter);

// The file dialogs' filter for movies.
inline QString MovieFileFilter() {
  return QStringLiteral(
      "Movies (*.mkv *.mp4 *.m4v *.avi *.ts *.m2ts *.webm *.mov *.mpg *.ogv);;All files (*)");
}
