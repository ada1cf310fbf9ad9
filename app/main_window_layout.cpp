// The main window as a whole: the input file, its frame rate, its kind, the output format,
// the tabs, the three buttons below them, and the order Tab walks them in.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

#include "app/fit_tab.h"
#include "app/frame_rate_list.h"
#include "app/main_window_layout.h"

#include "app/encoding_choice.h"
#include "app/main_window_tabs.h"
#include "app/widget_factory.h"

namespace {

// Tab walks the window as it reads: the input row, the tab bar, the controls of the current
// tab and its button, then the three buttons below. Controls of hidden tabs are passed over.
void SetKeyboardOrder(QWidget& window, const MainWindowControls& ui) {
  // clang-format off
  QWidget* const order[] = {
      ui.txtBron, ui.cmdBronZoeken, ui.lstCurrentFrameRate, ui.cboInputEncoding, ui.optMicroDVD,
      ui.optSubRip, ui.optWebVTT,
      ui.TabAction,
      ui.txtSec, ui.txtFrames, ui.txtNumberOfSegments, ui.cmdSplitsen,
      ui.chkLeesteken, ui.chkGetallen, ui.chkQuotes, ui.chkIl, ui.optFrans, ui.optEngels,
      ui.cmdCorrect,
      ui.lstNewFrameRate, ui.cmdChangeFrameRate,
      ui.txtSynchronize, ui.HScroll1, ui.cmdSynchronize,
      ui.txtCommentsCharacterbegin, ui.txtCommentsCharacterEnd, ui.cmdDeleteComments,
      ui.lstConvertFrameRate, ui.cmdConvert,
      ui.txtLengteFilm, ui.lstGuessCorrection, ui.cmdGuessFrameRate,
      ui.cmdOptions, ui.cmdOver, ui.cmdAfsluiten};
  // clang-format on
  for (std::size_t i = 1; i < std::size(order); ++i)
    window.setTabOrder(order[i - 1], order[i]);
}

QWidget* BuildFileArea(MainWindowControls& ui) {
  auto* area = new QWidget;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* file = MakeFrame("Frame1", QStringLiteral("File"));
  auto* fileRow = new QHBoxLayout(file);
  ui.txtBron = MakeTextBox("txtBron", QString(), 32767, Qt::AlignLeft);
  ui.txtBron->setReadOnly(true);  // only the open dialog and the operations set it
  QPalette grey = ui.txtBron->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Window));
  ui.txtBron->setPalette(grey);
  ui.cmdBronZoeken = MakeButton("cmdBronZoeken", QStringLiteral("&..."));
  ui.cmdBronZoeken->setFixedWidth(
      ui.cmdBronZoeken->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
  fileRow->addWidget(MakeLabel("lblBron", QStringLiteral("Subtitle :")));
  fileRow->addWidget(ui.txtBron, 1);
  fileRow->addWidget(ui.cmdBronZoeken);
  grid->addWidget(file, 0, 0, 1, 3);

  auto* rate = MakeFrame("Frame15", QStringLiteral("Framerate (Input file)"));
  ui.lstCurrentFrameRate = MakeFrameRateList("lstCurrentFrameRate");
  (new QVBoxLayout(rate))->addWidget(ui.lstCurrentFrameRate, 0, Qt::AlignHCenter);
  grid->addWidget(rate, 1, 0);

  auto* information = MakeFrame("Frame13", QStringLiteral("Input File Information"));
  ui.lblInputFileInformation =
      MakeLabel("lblInputFileInformation", QStringLiteral("No file selected."));
  ui.lblInputFileInformation->setAlignment(Qt::AlignCenter);
  ui.lblInputFileInformation->setWordWrap(true);
  auto* informationColumn = new QVBoxLayout(information);
  informationColumn->addWidget(ui.lblInputFileInformation);
  ui.cboInputEncoding = MakeEncodingChoice(information);
  auto* encodingRow = new QHBoxLayout;
  auto* encodingLabel = MakeLabel("lblInputEncoding", QStringLiteral("&Text encoding:"));
  encodingLabel->setBuddy(ui.cboInputEncoding);
  encodingRow->addWidget(encodingLabel);
  encodingRow->addWidget(ui.cboInputEncoding, 1);
  informationColumn->addLayout(encodingRow);
  grid->addWidget(information, 1, 1);

  auto* format = MakeFrame("Frame14", QStringLiteral("Output Format"));
  ui.optMicroDVD = MakeOptionButton("optMicroDVD", QStringLiteral("&MicroDVD"), true);
  ui.optSubRip = MakeOptionButton("optSubRip", QStringLiteral("Sub&Rip"), false);
  ui.optWebVTT = MakeOptionButton("optWebVTT", QStringLiteral("&WebVTT"), false);
  ui.optWebVTT->setAccessibleName(QStringLiteral("WebVTT"));
  auto* formatColumn = new QVBoxLayout(format);
  formatColumn->addStretch(1);
  formatColumn->addWidget(ui.optMicroDVD);
  formatColumn->addWidget(ui.optSubRip);
  formatColumn->addWidget(ui.optWebVTT);
  formatColumn->addStretch(1);
  grid->addWidget(format, 1, 2);
  grid->setColumnStretch(1, 1);
  return area;
}

}  // namespace

MainWindowControls BuildMainWindowLayout(QMainWindow& window) {
  MainWindowControls ui;
  window.setObjectName(QStringLiteral("frmLumetraMain"));
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  // Narrow side margins keep the eight tabs in one row within an 800-pixel screen.
  const QMargins margins = layout->contentsMargins();
  layout->setContentsMargins(4, margins.top(), 4, margins.bottom());
  layout->addWidget(BuildFileArea(ui));

  ui.TabAction = new QTabWidget;
  ui.TabAction->setObjectName(QStringLiteral("TabAction"));
  ui.TabAction->addTab(BuildSplitTab(ui), QStringLiteral("&Split"));
  ui.TabAction->addTab(BuildCorrectTab(ui), QStringLiteral("&Correct"));
  ui.TabAction->addTab(BuildChangeFrameRateTab(ui), QStringLiteral("C&hange FrameRate"));
  ui.TabAction->addTab(BuildSynchronizeTab(ui), QStringLiteral("S&ynchronize"));
  ui.TabAction->addTab(BuildDeleteCommentsTab(ui), QStringLiteral("&Delete comments"));
  ui.TabAction->addTab(BuildConvertTab(ui), QStringLiteral("Co&nvert"));
  ui.TabAction->addTab(BuildGuessFrameRateTab(ui), QStringLiteral("&Guess framerate"));
  ui.TabAction->addTab(BuildFitTab(ui), QStringLiteral("Fit to mo&vie"));
  // All the tabs in one row, as the design has them.
  ui.TabAction->setUsesScrollButtons(false);
  ui.TabAction->setDocumentMode(false);
  layout->addWidget(ui.TabAction, 1);

  ui.cmdOptions = MakeButton("cmdOptions", QStringLiteral("&Options"));
  ui.cmdOver = MakeButton("cmdOver", QStringLiteral("&About"));
  ui.cmdAfsluiten = MakeButton("cmdAfsluiten", QStringLiteral("E&xit"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ui.cmdOptions);
  buttons->addWidget(ui.cmdOver);
  buttons->addWidget(ui.cmdAfsluiten);
  layout->addLayout(buttons);

  window.setCentralWidget(central);
  SetKeyboardOrder(window, ui);
  return ui;
}
