#pragma once

class FitTab;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

// The controls of the main window that its handlers read or set. Frames and labels that
// only carry captions are reachable by objectName and are not kept here.
struct MainWindowControls {
  // Input file, frame rate, kind and output format.
  QLineEdit* txtBron = nullptr;
  QPushButton* cmdBronZoeken = nullptr;
  QListWidget* lstCurrentFrameRate = nullptr;
  QLabel* lblInputFileInformation = nullptr;
  QComboBox* cboInputEncoding = nullptr;  // the code page the input is read in
  QRadioButton* optMicroDVD = nullptr;
  QRadioButton* optSubRip = nullptr;
  QRadioButton* optWebVTT = nullptr;
  QPushButton* cmdOptions = nullptr;
  QPushButton* cmdOver = nullptr;
  QPushButton* cmdAfsluiten = nullptr;
  QTabWidget* TabAction = nullptr;
  // Split.
  QLineEdit* txtSec = nullptr;
  QLineEdit* txtFrames = nullptr;
  QLineEdit* txtNumberOfSegments = nullptr;
  QPushButton* cmdSplitsen = nullptr;
  // Correct.
  QCheckBox* chkLeesteken = nullptr;
  QCheckBox* chkGetallen = nullptr;
  QCheckBox* chkQuotes = nullptr;
  QCheckBox* chkIl = nullptr;
  QRadioButton* optFrans = nullptr;
  QRadioButton* optEngels = nullptr;
  QPushButton* cmdCorrect = nullptr;
  // Change frame rate.
  QListWidget* lstNewFrameRate = nullptr;
  QPushButton* cmdChangeFrameRate = nullptr;
  // Synchronize.
  QLineEdit* txtSynchronize = nullptr;
  QScrollBar* HScroll1 = nullptr;
  QPushButton* cmdSynchronize = nullptr;
  // Delete comments.
  QLineEdit* txtCommentsCharacterbegin = nullptr;
  QLineEdit* txtCommentsCharacterEnd = nullptr;
  QLineEdit* txtCommentPairs = nullptr;  // more pairs, "() {}"
  QCheckBox* chkMusicLines = nullptr;
  QPushButton* cmdDeleteComments = nullptr;
  // Convert.
  QListWidget* lstConvertFrameRate = nullptr;
  QLabel* lblConvertShift = nullptr;  // the Synchronize shift that Convert applies
  QPushButton* cmdConvert = nullptr;
  // Guess frame rate.
  QLineEdit* txtLengteFilm = nullptr;
  QListWidget* lstGuessCorrection = nullptr;
  QPushButton* cmdGuessFrameRate = nullptr;
  QPushButton* cmdGuessMovie = nullptr;  // fills txtLengteFilm from a movie file
  // Fit to movie: a tab of its own that keeps its controls.
  FitTab* fitTab = nullptr;
};
