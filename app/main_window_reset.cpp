// What the options reset puts into the main window. The seconds field follows the frames
// through its linkage; the Convert rate list and the comment characters keep what they show.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/frame_rates.h"
#include "app/main_window.h"
#include "app/position_list.h"

void MainWindow::resetFieldsToFactory() {
  ui_.TabAction->setCurrentIndex(0);
  SelectPosition(ui_.lstCurrentFrameRate, kDefaultFrameRatePosition);
  SelectPosition(ui_.lstNewFrameRate, kDefaultFrameRatePosition);
  ui_.txtFrames->setText(QStringLiteral("180000"));
  ui_.txtNumberOfSegments->setText(QStringLiteral("2"));
  ui_.optEngels->setChecked(true);
  ui_.chkGetallen->setChecked(true);
  ui_.chkIl->setChecked(true);
  ui_.chkLeesteken->setChecked(true);
  ui_.chkQuotes->setChecked(true);
  ui_.HScroll1->setValue(0);
  ui_.txtSynchronize->setText(QStringLiteral("0 sec"));
  ui_.txtBron->clear();
  ui_.lblInputFileInformation->setText(QStringLiteral("No subtitle selected."));
  ui_.txtLengteFilm->setText(QStringLiteral("7200"));
  SelectPosition(ui_.lstGuessCorrection, 4);
}

void MainWindow::selectMicroDvdOutput() {
  ui_.optMicroDVD->setChecked(true);
}
