// The seven tabs of the main window, each with its parameters and its start button.
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
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/position_list.h"
#include "app/widget_factory.h"

namespace {

// A tab: its frames side by side on top, its button at the bottom right with an optional
// note to its left.
QWidget* MakeTab(std::initializer_list<QWidget*> frames, QPushButton* button,
                 QWidget* note = nullptr) {
  auto* tab = new QWidget;
  auto* column = new QVBoxLayout(tab);
  auto* row = new QHBoxLayout;
  for (QWidget* frame : frames)
    row->addWidget(frame, 0, Qt::AlignTop);
  row->addStretch(1);
  column->addLayout(row);
  column->addStretch(1);
  auto* buttonRow = new QHBoxLayout;
  if (note != nullptr)
    buttonRow->addWidget(note);
  buttonRow->addStretch(1);
  buttonRow->addWidget(button);
  column->addLayout(buttonRow);
  return tab;
}

QLabel* WrappedLabel(const char* name, const QString& caption) {
  QLabel* label = MakeLabel(name, caption);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QWidget* MainWindow::buildSplitTab() {
  auto* size = MakeFrame("Frame4", QStringLiteral("Size of the segments"));
  ui_.txtSec = MakeTextBox("txtSec", QStringLiteral("7200"), 8, Qt::AlignRight);
  ui_.txtFrames = MakeTextBox("txtFrames", QStringLiteral("180000"), 10, Qt::AlignRight);
  FitTextBoxWidth(ui_.txtSec, 10);
  FitTextBoxWidth(ui_.txtFrames, 10);
  auto* sizeGrid = new QGridLayout(size);
  sizeGrid->addWidget(ui_.txtSec, 0, 0);
  sizeGrid->addWidget(MakeLabel("Label2", QStringLiteral("sec")), 0, 1);
  sizeGrid->addWidget(ui_.txtFrames, 1, 0);
  sizeGrid->addWidget(MakeLabel("Label1", QStringLiteral("frames")), 1, 1);

  auto* count = MakeFrame("Frame9", QStringLiteral("Number of segments"));
  ui_.txtNumberOfSegments =
      MakeTextBox("txtNumberOfSegments", QStringLiteral("2"), 3, Qt::AlignCenter);
  FitTextBoxWidth(ui_.txtNumberOfSegments, 3);
  auto* countRow = new QHBoxLayout(count);
  countRow->addWidget(MakeLabel("Label6", QStringLiteral("Maximum number of segments :")));
  countRow->addWidget(ui_.txtNumberOfSegments);

  ui_.cmdSplitsen = MakeButton("cmdSplitsen", QStringLiteral("Split"));
  return MakeTab({size, count}, ui_.cmdSplitsen);
}

QWidget* MainWindow::buildCorrectTab() {
  auto* settings = MakeFrame("Frame2", QStringLiteral("Settings"));
  auto* corrections = MakeFrame("Frame11", QStringLiteral("Corrections"));
  ui_.chkLeesteken = MakeCheckBox("chkLeesteken", QStringLiteral("?. --> ? / !. --> !"), true);
  ui_.chkGetallen = MakeCheckBox(
      "chkGetallen", QStringLiteral("1 2 --> 12 (remove spaces between numbers)"), true);
  ui_.chkQuotes = MakeCheckBox("chkQuotes", QStringLiteral("'' --> \""), true);
  ui_.chkIl = MakeCheckBox("chkIl", QStringLiteral("I/l"), true);
  UseFixedPitch(ui_.chkLeesteken);
  UseFixedPitch(ui_.chkQuotes);
  UseFixedPitch(ui_.chkIl);
  auto* correctionColumn = new QVBoxLayout(corrections);
  correctionColumn->addWidget(ui_.chkLeesteken);
  correctionColumn->addWidget(ui_.chkGetallen);
  correctionColumn->addWidget(ui_.chkQuotes);
  correctionColumn->addWidget(ui_.chkIl);

  auto* language = MakeFrame("Frame5", QStringLiteral("Language"));
  ui_.optFrans = MakeOptionButton("optFrans", QStringLiteral("French"), false);
  ui_.optEngels = MakeOptionButton("optEngels", QStringLiteral("English (&& Other)"), true);
  auto* languageColumn = new QVBoxLayout(language);
  languageColumn->addWidget(ui_.optFrans);
  languageColumn->addWidget(ui_.optEngels);
  languageColumn->addStretch(1);

  auto* settingsRow = new QHBoxLayout(settings);
  settingsRow->addWidget(corrections);
  settingsRow->addWidget(language);
  ui_.cmdCorrect = MakeButton("cmdCorrect", QStringLiteral("Correct"));
  return MakeTab({settings}, ui_.cmdCorrect);
}

QWidget* MainWindow::buildChangeFrameRateTab() {
  auto* output = MakeFrame("frame7", QStringLiteral("Output framerate"));
  ui_.lstNewFrameRate = MakeFrameRateList("lstNewFrameRate");
  (new QVBoxLayout(output))->addWidget(ui_.lstNewFrameRate, 0, Qt::AlignHCenter);
  ui_.cmdChangeFrameRate = MakeButton("cmdChangeFrameRate", QStringLiteral("Change framerate"));
  return MakeTab({output}, ui_.cmdChangeFrameRate);
}

QWidget* MainWindow::buildSynchronizeTab() {
  auto* settings = MakeFrame("Frame8", QStringLiteral("Settings"));
  settings->setMinimumWidth(TextWidth(settings, 56));
  ui_.txtSynchronize =
      MakeTextBox("txtSynchronize", QStringLiteral("0 sec"), 32767, Qt::AlignCenter);
  ui_.txtSynchronize->setReadOnly(true);
  FitTextBoxWidth(ui_.txtSynchronize, 10);
  ui_.HScroll1 = new QScrollBar(Qt::Horizontal);
  ui_.HScroll1->setObjectName(QStringLiteral("HScroll1"));
  ui_.HScroll1->setRange(-30000, 30000);
  ui_.HScroll1->setSingleStep(100);
  ui_.HScroll1->setPageStep(1000);
  ui_.HScroll1->setValue(0);
  // Reachable by Tab and a click, so the keys move it: Left and Page Down towards "- 30",
  // Right and Page Up towards "+ 30", Home and End to the ends. A scroll bar turns its keys
  // around by default, which suits a vertical one only; the wheel now moves it as a slider.
  ui_.HScroll1->setFocusPolicy(Qt::StrongFocus);
  ui_.HScroll1->setInvertedControls(false);

  auto* grid = new QGridLayout(settings);
  grid->addWidget(ui_.txtSynchronize, 0, 0, 1, 3, Qt::AlignHCenter);
  grid->addWidget(ui_.HScroll1, 1, 0, 1, 3);
  grid->addWidget(MakeLabel("Label4", QStringLiteral("- 30")), 2, 0, Qt::AlignLeft);
  grid->addWidget(MakeLabel("Label3", QStringLiteral("0")), 2, 1, Qt::AlignHCenter);
  grid->addWidget(MakeLabel("Label5", QStringLiteral("+ 30")), 2, 2, Qt::AlignRight);
  for (int column = 0; column < 3; ++column)
    grid->setColumnStretch(column, 1);

  ui_.cmdSynchronize = MakeButton("cmdSynchronize", QStringLiteral("Synchronize"));
  return MakeTab({settings}, ui_.cmdSynchronize);
}

QWidget* MainWindow::buildDeleteCommentsTab() {
  auto* help = MakeFrame("Frame10", QStringLiteral("Help"));
  auto* helpColumn = new QVBoxLayout(help);
  helpColumn->addWidget(
      WrappedLabel("Label8", QStringLiteral("This section deletes all comments from subtitles.")));
  helpColumn->addWidget(WrappedLabel(
      "Label7", QStringLiteral("Comments are used to caption actions from persons. They are "
                               "often indicated between [ ]. Comments are mostly used for "
                               "subtitles for deaf people.")));
  help->setMaximumWidth(TextWidth(help, 44));

  auto* character = MakeFrame("Frame19", QStringLiteral("Character"));
  auto* pair = MakeFrame("Frame20", QString());
  ui_.txtCommentsCharacterbegin =
      MakeTextBox("txtCommentsCharacterbegin", QStringLiteral("["), 1, Qt::AlignCenter);
  ui_.txtCommentsCharacterEnd =
      MakeTextBox("txtCommentsCharacterEnd", QStringLiteral("]"), 1, Qt::AlignCenter);
  FitTextBoxWidth(ui_.txtCommentsCharacterbegin, 1);
  FitTextBoxWidth(ui_.txtCommentsCharacterEnd, 1);
  QLabel* comments = MakeLabel("Label16", QStringLiteral("Comments"));
  comments->setStyleSheet(QStringLiteral("font-style: italic;"));
  auto* pairRow = new QHBoxLayout(pair);
  pairRow->addWidget(ui_.txtCommentsCharacterbegin);
  pairRow->addWidget(comments, 0, Qt::AlignCenter);
  pairRow->addWidget(ui_.txtCommentsCharacterEnd);
  auto* characterColumn = new QVBoxLayout(character);
  characterColumn->addWidget(WrappedLabel(
      "Label15", QStringLiteral("Enter the characters which are used to indicate comments:")));
  characterColumn->addWidget(pair, 0, Qt::AlignHCenter);
  character->setMaximumWidth(TextWidth(character, 36));

  ui_.cmdDeleteComments = MakeButton("cmdDeleteComments", QStringLiteral("Delete comments"));
  return MakeTab({help, character}, ui_.cmdDeleteComments);
}

QWidget* MainWindow::buildConvertTab() {
  auto* rate = MakeFrame("Frame6", QStringLiteral("Framerate (Output file)"));
  ui_.lstConvertFrameRate = MakeFrameRateList("lstConvertFrameRate");
  (new QVBoxLayout(rate))->addWidget(ui_.lstConvertFrameRate, 0, Qt::AlignHCenter);
  auto* help = MakeFrame("Frame3", QStringLiteral("Help"));
  auto* helpColumn = new QVBoxLayout(help);
  helpColumn->addWidget(
      MakeLabel("Label10", QStringLiteral("1. Select the Output Format and the Framerate.")));
  helpColumn->addWidget(MakeLabel("Label11", QStringLiteral("2. Click 'Convert'.")));
  helpColumn->addStretch(1);
  ui_.lblConvertShift = MakeLabel("lblConvertShift", QString());
  ui_.lblConvertShift->hide();  // shown while the Synchronize tab sets a shift
  ui_.cmdConvert = MakeButton("cmdConvert", QStringLiteral("Convert"));
  return MakeTab({rate, help}, ui_.cmdConvert, ui_.lblConvertShift);
}

QWidget* MainWindow::buildGuessFrameRateTab() {
  auto* settings = MakeFrame("Frame12", QStringLiteral("Settings"));
  auto* length = MakeFrame("Frame16", QStringLiteral("Length of the movie (avi)"));
  ui_.txtLengteFilm = MakeTextBox("txtLengteFilm", QStringLiteral("7200"), 8, Qt::AlignRight);
  FitTextBoxWidth(ui_.txtLengteFilm, 8);
  auto* lengthRow = new QHBoxLayout(length);
  lengthRow->addWidget(ui_.txtLengteFilm);
  lengthRow->addWidget(MakeLabel("Label12", QStringLiteral("sec")));
  lengthRow->addStretch(1);

  auto* correction = MakeFrame("Frame18", QStringLiteral("Correction"));
  auto* list = new PositionList(4);
  list->setObjectName(QStringLiteral("lstGuessCorrection"));
  for (int minutes = 0; minutes <= 10; ++minutes) {
    auto* item = new QListWidgetItem(QString::number(minutes), list);
    item->setData(Qt::UserRole, minutes);
  }
  ui_.lstGuessCorrection = list;
  auto* correctionRow = new QHBoxLayout(correction);
  correctionRow->addWidget(list);
  correctionRow->addWidget(
      WrappedLabel("Label13", QStringLiteral("Minutes correction.  (at the end of the movie, "
                                             "there might be no subtitles for a few minutes)")),
      1);

  auto* help = MakeFrame("Frame17", QStringLiteral("Help"));
  (new QVBoxLayout(help))
      ->addWidget(WrappedLabel(
          "Label14", QStringLiteral("Choose the nearest framerate to the resulted framerate.")));

  auto* grid = new QGridLayout(settings);
  grid->addWidget(length, 0, 0);
  grid->addWidget(help, 0, 1);
  grid->addWidget(correction, 1, 0, 1, 2);
  settings->setMaximumWidth(TextWidth(settings, 80));
  ui_.cmdGuessFrameRate = MakeButton("cmdGuessFrameRate", QStringLiteral("Guess framerate"));
  return MakeTab({settings}, ui_.cmdGuessFrameRate);
}
