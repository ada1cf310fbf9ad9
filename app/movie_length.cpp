#include "app/movie_length.h"

#include <QFileDialog>
#include <QLineEdit>

#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/native_path.h"
#include "operations/guess_frame_rate.h"
#include "operations/message.h"

void FillMovieLength(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter) {
  const QString path =
      QFileDialog::getOpenFileName(&window, QStringLiteral("Movie"), QString(), MovieFileFilter());
  if (path.isEmpty())
    return;
  const lumetra::MovieLength length = lumetra::ReadMovieLength(NativePath(path));
  if (length.failure.empty())
    ui.txtLengteFilm->setText(QString::number(length.seconds));
  else
    presenter.show(&window, QString::fromStdString(lumetra::TitleText()),
                   QString::fromStdString(length.failure), lumetra::MessageIcon::Critical);
}
