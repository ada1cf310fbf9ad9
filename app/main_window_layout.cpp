// The parts of the main window outside the tabs: the input file, its frame rate, its kind,
// the output format, and the three buttons below the tabs.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

#include "app/main_window.h"
#include "app/widget_factory.h"

void MainWindow::buildLayout() {
  setObjectName(QStringLiteral("frmLumetraMain"));
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(buildFileArea());

  ui_.TabAction = new QTabWidget;
  ui_.TabAction->setObjectName(QStringLiteral("TabAction"));
  ui_.TabAction->addTab(buildSplitTab(), QStringLiteral("Split"));
  ui_.TabAction->addTab(buildCorrectTab(), QStringLiteral("Correct"));
  ui_.TabAction->addTab(buildChangeFrameRateTab(), QStringLiteral("Change FrameRate"));
  ui_.TabAction->addTab(buildSynchronizeTab(), QStringLiteral("Synchronize"));
  ui_.TabAction->addTab(buildDeleteCommentsTab(), QStringLiteral("Delete comments"));
  ui_.TabAction->addTab(buildConvertTab(), QStringLiteral("Convert"));
  ui_.TabAction->addTab(buildGuessFrameRateTab(), QStringLiteral("Guess framerate"));
  // All seven tabs in one row, as the design has them.
  ui_.TabAction->setUsesScrollButtons(false);
  ui_.TabAction->setDocumentMode(false);
  layout->addWidget(ui_.TabAction, 1);

  ui_.cmdOptions = MakeButton("cmdOptions", QStringLiteral("Options"));
  ui_.cmdOver = MakeButton("cmdOver", QStringLiteral("About"));
  ui_.cmdAfsluiten = MakeButton("cmdAfsluiten", QStringLiteral("Exit"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ui_.cmdOptions);
  buttons->addWidget(ui_.cmdOver);
  buttons->addWidget(ui_.cmdAfsluiten);
  layout->addLayout(buttons);

  setCentralWidget(central);
}

// Tab walks the window as it reads: the input row, the tab bar, the controls of the current
// tab and its button, then the three buttons below. Controls of hidden tabs are passed over.
void MainWindow::setKeyboardOrder() {
  // clang-format off
  QWidget* const order[] = {
      ui_.txtBron, ui_.cmdBronZoeken, ui_.lstCurrentFrameRate, ui_.optMicroDVD, ui_.optSubRip,
      ui_.TabAction,
      ui_.txtSec, ui_.txtFrames, ui_.txtNumberOfSegments, ui_.cmdSplitsen,
      ui_.chkLeesteken, ui_.chkGetallen, ui_.chkQuotes, ui_.chkIl, ui_.optFrans, ui_.optEngels,
      ui_.cmdCorrect,
      ui_.lstNewFrameRate, ui_.cmdChangeFrameRate,
      ui_.txtSynchronize, ui_.HScroll1, ui_.cmdSynchronize,
      ui_.txtCommentsCharacterbegin, ui_.txtCommentsCharacterEnd, ui_.cmdDeleteComments,
      ui_.lstConvertFrameRate, ui_.cmdConvert,
      ui_.txtLengteFilm, ui_.lstGuessCorrection, ui_.cmdGuessFrameRate,
      ui_.cmdOptions, ui_.cmdOver, ui_.cmdAfsluiten};
  // clang-format on
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
}

QWidget* MainWindow::buildFileArea() {
  auto* area = new QWidget;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* file = MakeFrame("Frame1", QStringLiteral("File"));
  auto* fileRow = new QHBoxLayout(file);
  ui_.txtBron = MakeTextBox("txtBron", QString(), 32767, Qt::AlignLeft);
  ui_.txtBron->setReadOnly(true);  // only the open dialog and the operations set it
  QPalette grey = ui_.txtBron->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Window));
  ui_.txtBron->setPalette(grey);
  ui_.cmdBronZoeken = MakeButton("cmdBronZoeken", QStringLiteral("..."));
  ui_.cmdBronZoeken->setFixedWidth(
      ui_.cmdBronZoeken->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
  fileRow->addWidget(MakeLabel("lblBron", QStringLiteral("Subtitle :")));
  fileRow->addWidget(ui_.txtBron, 1);
  fileRow->addWidget(ui_.cmdBronZoeken);
  grid->addWidget(file, 0, 0, 1, 3);

  auto* rate = MakeFrame("Frame15", QStringLiteral("Framerate (Input file)"));
  ui_.lstCurrentFrameRate = MakeFrameRateList("lstCurrentFrameRate");
  (new QVBoxLayout(rate))->addWidget(ui_.lstCurrentFrameRate, 0, Qt::AlignHCenter);
  grid->addWidget(rate, 1, 0);

  auto* information = MakeFrame("Frame13", QStringLiteral("Input File Information"));
  ui_.lblInputFileInformation =
      MakeLabel("lblInputFileInformation", QStringLiteral("No file selected."));
  ui_.lblInputFileInformation->setAlignment(Qt::AlignCenter);
  ui_.lblInputFileInformation->setWordWrap(true);
  (new QVBoxLayout(information))->addWidget(ui_.lblInputFileInformation);
  grid->addWidget(information, 1, 1);

  auto* format = MakeFrame("Frame14", QStringLiteral("Output Format"));
  ui_.optMicroDVD = MakeOptionButton("optMicroDVD", QStringLiteral("MicroDVD"), true);
  ui_.optSubRip = MakeOptionButton("optSubRip", QStringLiteral("SubRip"), false);
  auto* formatColumn = new QVBoxLayout(format);
  formatColumn->addStretch(1);
  formatColumn->addWidget(ui_.optMicroDVD);
  formatColumn->addWidget(ui_.optSubRip);
  formatColumn->addStretch(1);
  grid->addWidget(format, 1, 2);
  grid->setColumnStretch(1, 1);
  return area;
}
