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

#include "app/comment_kinds_fields.h"
#include "app/frame_rate_list.h"
#include "app/locale_numbers.h"
#include "app/main_window_shortcuts.h"
#include "app/main_window_tabs.h"
#include "app/position_list.h"
#include "app/widget_factory.h"
#include "operations/shift.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

namespace {

// A tab: its frames side by side on top, its button at the bottom right with an optional
// note to its left.
QWidget* MakeTab(std::initializer_list<QWidget*> frames, QPushButton* button,
                 QWidget* note = nullptr) {
  MarkOperationButton(button);  // Ctrl+Enter presses it
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

// The design state of the controls is the factory state of their settings.
bool FactoryOn(const keys::Setting& setting) {
  return FactoryValue(setting) == QLatin1String("1");
}

// The seconds that the factory segment size lasts at the default frame rate.
QString FactorySegmentSeconds() {
  const double rate = lumetra::kFrameRates[lumetra::kDefaultFrameRatePosition].value;
  return FlooredNumberText(FactoryValue(keys::kSegmentSize).toDouble() / rate);
}

}  // namespace

QWidget* BuildSplitTab(MainWindowControls& ui) {
  auto* size = MakeFrame("Frame4", QStringLiteral("Size of the segments"));
  ui.txtSec = MakeTextBox("txtSec", FactorySegmentSeconds(), 8, Qt::AlignRight);
  ui.txtFrames = MakeTextBox("txtFrames", FactoryValue(keys::kSegmentSize), 10, Qt::AlignRight);
  FitTextBoxWidth(ui.txtSec, 10);
  FitTextBoxWidth(ui.txtFrames, 10);
  auto* sizeGrid = new QGridLayout(size);
  sizeGrid->addWidget(ui.txtSec, 0, 0);
  sizeGrid->addWidget(MakeLabel("Label2", QStringLiteral("sec")), 0, 1);
  sizeGrid->addWidget(ui.txtFrames, 1, 0);
  sizeGrid->addWidget(MakeLabel("Label1", QStringLiteral("frames")), 1, 1);

  auto* count = MakeFrame("Frame9", QStringLiteral("Number of segments"));
  ui.txtNumberOfSegments =
      MakeTextBox("txtNumberOfSegments", FactoryValue(keys::kNumberOfSegments), 3, Qt::AlignCenter);
  FitTextBoxWidth(ui.txtNumberOfSegments, 3);
  auto* countRow = new QHBoxLayout(count);
  countRow->addWidget(MakeLabel("Label6", QStringLiteral("Maximum number of segments :")));
  countRow->addWidget(ui.txtNumberOfSegments);

  ui.cmdSplitsen = MakeButton("cmdSplitsen", QStringLiteral("S&plit"));
  return MakeTab({size, count}, ui.cmdSplitsen);
}

QWidget* BuildCorrectTab(MainWindowControls& ui) {
  auto* settings = MakeFrame("Frame2", QStringLiteral("Settings"));
  auto* corrections = MakeFrame("Frame11", QStringLiteral("Corrections"));
  ui.chkLeesteken = MakeCheckBox("chkLeesteken", QStringLiteral("?. --> ? &/ !. --> !"),
                                 FactoryOn(keys::kCorrectFullStops));
  ui.chkGetallen =
      MakeCheckBox("chkGetallen", QStringLiteral("&1 2 --> 12 (remove spaces between numbers)"),
                   FactoryOn(keys::kCorrectNumbers));
  ui.chkQuotes =
      MakeCheckBox("chkQuotes", QStringLiteral("&'' --> \""), FactoryOn(keys::kCorrectQuotes));
  ui.chkIl = MakeCheckBox("chkIl", QStringLiteral("&I/l"), FactoryOn(keys::kCorrectIl));
  UseFixedPitch(ui.chkLeesteken);
  UseFixedPitch(ui.chkQuotes);
  UseFixedPitch(ui.chkIl);
  auto* correctionColumn = new QVBoxLayout(corrections);
  correctionColumn->addWidget(ui.chkLeesteken);
  correctionColumn->addWidget(ui.chkGetallen);
  correctionColumn->addWidget(ui.chkQuotes);
  correctionColumn->addWidget(ui.chkIl);

  auto* language = MakeFrame("Frame5", QStringLiteral("Language"));
  ui.optFrans = MakeOptionButton("optFrans", QStringLiteral("&French"), false);
  ui.optEngels = MakeOptionButton("optEngels", QStringLiteral("Eng&lish (&& Other)"), true);
  auto* languageColumn = new QVBoxLayout(language);
  languageColumn->addWidget(ui.optFrans);
  languageColumn->addWidget(ui.optEngels);
  languageColumn->addStretch(1);

  auto* settingsRow = new QHBoxLayout(settings);
  settingsRow->addWidget(corrections);
  settingsRow->addWidget(language);
  ui.cmdCorrect = MakeButton("cmdCorrect", QStringLiteral("Corr&ect"));
  return MakeTab({settings}, ui.cmdCorrect);
}

QWidget* BuildChangeFrameRateTab(MainWindowControls& ui) {
  auto* output = MakeFrame("frame7", QStringLiteral("Output framerate"));
  ui.lstNewFrameRate = MakeFrameRateList("lstNewFrameRate");
  (new QVBoxLayout(output))->addWidget(ui.lstNewFrameRate, 0, Qt::AlignHCenter);
  ui.cmdChangeFrameRate = MakeButton("cmdChangeFrameRate", QStringLiteral("Chang&e framerate"));
  return MakeTab({output}, ui.cmdChangeFrameRate);
}

QWidget* BuildSynchronizeTab(MainWindowControls& ui) {
  auto* settings = MakeFrame("Frame8", QStringLiteral("Settings"));
  settings->setMinimumWidth(TextWidth(settings, 56));
  ui.txtSynchronize =
      MakeTextBox("txtSynchronize", QStringLiteral("0 sec"), 32767, Qt::AlignCenter);
  FitTextBoxWidth(ui.txtSynchronize, 10);
  ui.txtSynchronize->setAccessibleName(QStringLiteral("Shift in seconds"));  // it has no label
  ui.HScroll1 = new QScrollBar(Qt::Horizontal);
  ui.HScroll1->setObjectName(QStringLiteral("HScroll1"));
  ui.HScroll1->setRange(-lumetra::kMaxShiftMs, lumetra::kMaxShiftMs);
  ui.HScroll1->setSingleStep(100);
  ui.HScroll1->setPageStep(1000);
  ui.HScroll1->setValue(0);
  // Reachable by Tab and a click, so the keys move it: Left and Page Down towards "- 30",
  // Right and Page Up towards "+ 30", Home and End to the ends. A scroll bar turns its keys
  // around by default, which suits a vertical one only; the wheel now moves it as a slider.
  ui.HScroll1->setFocusPolicy(Qt::StrongFocus);
  ui.HScroll1->setInvertedControls(false);

  auto* grid = new QGridLayout(settings);
  grid->addWidget(ui.txtSynchronize, 0, 0, 1, 3, Qt::AlignHCenter);
  grid->addWidget(ui.HScroll1, 1, 0, 1, 3);
  grid->addWidget(MakeLabel("Label4", QStringLiteral("- 30")), 2, 0, Qt::AlignLeft);
  grid->addWidget(MakeLabel("Label3", QStringLiteral("0")), 2, 1, Qt::AlignHCenter);
  grid->addWidget(MakeLabel("Label5", QStringLiteral("+ 30")), 2, 2, Qt::AlignRight);
  for (int column = 0; column < 3; ++column)
    grid->setColumnStretch(column, 1);

  ui.cmdSynchronize = MakeButton("cmdSynchronize", QStringLiteral("Synchroni&ze"));
  return MakeTab({settings}, ui.cmdSynchronize);
}

QWidget* BuildDeleteCommentsTab(MainWindowControls& ui) {
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
  ui.txtCommentsCharacterbegin = MakeTextBox(
      "txtCommentsCharacterbegin", FactoryValue(keys::kBeginCharacter), 1, Qt::AlignCenter);
  ui.txtCommentsCharacterEnd =
      MakeTextBox("txtCommentsCharacterEnd", FactoryValue(keys::kEndCharacter), 1, Qt::AlignCenter);
  FitTextBoxWidth(ui.txtCommentsCharacterbegin, 1);
  FitTextBoxWidth(ui.txtCommentsCharacterEnd, 1);
  QLabel* comments = MakeLabel("Label16", QStringLiteral("Comments"));
  comments->setStyleSheet(QStringLiteral("font-style: italic;"));
  auto* pairRow = new QHBoxLayout(pair);
  pairRow->addWidget(ui.txtCommentsCharacterbegin);
  pairRow->addWidget(comments, 0, Qt::AlignCenter);
  pairRow->addWidget(ui.txtCommentsCharacterEnd);
  auto* characterColumn = new QVBoxLayout(character);
  characterColumn->addWidget(WrappedLabel(
      "Label15", QStringLiteral("Enter the characters which are used to indicate comments:")));
  characterColumn->addWidget(pair, 0, Qt::AlignHCenter);
  character->setMaximumWidth(TextWidth(character, 36));

  characterColumn->addWidget(BuildMoreCommentKinds(ui));

  ui.cmdDeleteComments = MakeButton("cmdDeleteComments", QStringLiteral("De&lete comments"));
  return MakeTab({help, character}, ui.cmdDeleteComments);
}

QWidget* BuildConvertTab(MainWindowControls& ui) {
  auto* rate = MakeFrame("Frame6", QStringLiteral("Framerate (Output file)"));
  ui.lstConvertFrameRate = MakeFrameRateList("lstConvertFrameRate");
  (new QVBoxLayout(rate))->addWidget(ui.lstConvertFrameRate, 0, Qt::AlignHCenter);
  auto* help = MakeFrame("Frame3", QStringLiteral("Help"));
  auto* helpColumn = new QVBoxLayout(help);
  helpColumn->addWidget(
      MakeLabel("Label10", QStringLiteral("1. Select the Output Format and the Framerate.")));
  helpColumn->addWidget(MakeLabel("Label11", QStringLiteral("2. Click 'Convert'.")));
  helpColumn->addStretch(1);
  ui.lblConvertShift = MakeLabel("lblConvertShift", QString());
  ui.lblConvertShift->hide();  // shown while the Synchronize tab sets a shift
  ui.cmdConvert = MakeButton("cmdConvert", QStringLiteral("Conv&ert"));
  return MakeTab({rate, help}, ui.cmdConvert, ui.lblConvertShift);
}

QWidget* BuildGuessFrameRateTab(MainWindowControls& ui) {
  auto* settings = MakeFrame("Frame12", QStringLiteral("Settings"));
  auto* length = MakeFrame("Frame16", QStringLiteral("Length of the movie (avi)"));
  ui.txtLengteFilm =
      MakeTextBox("txtLengteFilm", FactoryValue(keys::kGuessMovieLength), 8, Qt::AlignRight);
  FitTextBoxWidth(ui.txtLengteFilm, 8);
  auto* lengthRow = new QHBoxLayout(length);
  lengthRow->addWidget(ui.txtLengteFilm);
  lengthRow->addWidget(MakeLabel("Label12", QStringLiteral("sec")));
  ui.cmdGuessMovie = MakeButton("cmdGuessMovie", QStringLiteral("Mov&ie..."));
  lengthRow->addWidget(ui.cmdGuessMovie);
  lengthRow->addStretch(1);

  auto* correction = MakeFrame("Frame18", QStringLiteral("Correction"));
  auto* list = new PositionList(4);
  list->setObjectName(QStringLiteral("lstGuessCorrection"));
  for (int minutes = 0; minutes <= 10; ++minutes) {
    auto* item = new QListWidgetItem(QString::number(minutes), list);
    item->setData(Qt::UserRole, minutes);
  }
  ui.lstGuessCorrection = list;
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
  ui.cmdGuessFrameRate = MakeButton("cmdGuessFrameRate", QStringLiteral("G&uess framerate"));
  return MakeTab({settings}, ui.cmdGuessFrameRate);
}
