#pragma once

class MessagePresenter;
class QWidget;
struct MainWindowControls;

// Guess framerate's "Movie...": asks for a movie file and puts its length, in whole seconds,
// into txtLengteFilm; a movie that cannot be read is told through the presenter.
void FillMovieLength(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter);
