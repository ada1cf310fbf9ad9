// The numeric fields of the main window and how they follow each other. The rules of a field
// run when the user ends editing it and whenever code sets its text; setting a linked control
// runs its handler nested, and the linkage guard keeps the seconds and frames fields from
// updating each other without end. While the user types, only the linked field follows.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <cmath>

#include "app/frame_rates.h"
#include "app/locale_numbers.h"
#include "app/main_window.h"
#include "app/number_field_check.h"
#include "app/position_list.h"

namespace {

constexpr const char* kMessageA = "This field must be numeric!\rPlease enter a number.";
constexpr const char* kMessageB =
    "This field must contain a positive number!\rPlease enter a positive number.";

double Value(const QLineEdit* box) {
  return ParseLocaleNumber(box->text()).value_or(0.0);
}

double SecondsOf(double frames, double rate) {
  return rate > 0 ? frames / rate : 0.0;
}

// A value the linked field can follow while the user is still typing: "12" but not "12.5"
// nor "-".
std::optional<double> WholeNonNegative(const QLineEdit* box) {
  const auto value = ParseLocaleNumber(box->text());
  if (value && *value >= 0 && std::floor(*value) == *value)
    return value;
  return std::nullopt;
}

// Replaces a numeric text by the integer part of its value ("12.5" -> "12").
void MakeWhole(QLineEdit* box) {
  if (const auto value = ParseLocaleNumber(box->text()))
    box->setText(WholeNumberText(*value));
}

}  // namespace

double MainWindow::linkFrameRate() const {
  // The entry's true rate, 23.976 and 29.97 included, whatever the locale's separator.
  return FrameRateOfEntry(SelectedText(ui_.lstCurrentFrameRate));
}

void MainWindow::showFieldMessage(const char* text) {
  showMessage(QString::fromStdString(lumetra::TitleText()), QString::fromLatin1(text),
              lumetra::MessageIcon::Critical);
}

void MainWindow::commitNumberFields() {
  for (NumberFieldCheck* field : numberFields_)
    field->commit();
}

// With the guard down, the other field follows and the guard goes up; the caller puts it
// down again when it ends, as the nested handler may not run at all.
void MainWindow::framesFollowSeconds(double seconds) {
  if (linkageGuard_ == 0) {
    linkageGuard_ = 1;
    ui_.txtFrames->setText(WholeNumberText(linkFrameRate() * seconds));
  }
}

void MainWindow::secondsFollowFrames(double frames) {
  if (linkageGuard_ == 0) {
    linkageGuard_ = 1;
    ui_.txtSec->setText(WholeNumberText(SecondsOf(frames, linkFrameRate())));
  }
}

// While the user types, a whole number carries the other field along; anything else waits
// for the end of editing.
void MainWindow::txtSec_Typed() {
  if (const auto value = WholeNonNegative(ui_.txtSec))
    framesFollowSeconds(*value);
  linkageGuard_ = 0;
}

void MainWindow::txtFrames_Typed() {
  if (const auto value = WholeNonNegative(ui_.txtFrames))
    secondsFollowFrames(*value);
  linkageGuard_ = 0;
}

void MainWindow::txtSec_Change() {
  QLineEdit* seconds = ui_.txtSec;
  if (seconds->text().isEmpty())
    seconds->setText(QStringLiteral("0"));
  const auto value = ParseLocaleNumber(seconds->text());
  if (value && *value >= 0) {
    framesFollowSeconds(*value);
  } else {
    showFieldMessage(value ? kMessageB : kMessageA);
    secondsFollowFrames(Value(ui_.txtFrames));  // put back the seconds that match the frames
  }
  linkageGuard_ = 0;
  MakeWhole(seconds);
}

void MainWindow::txtFrames_Change() {
  QLineEdit* frames = ui_.txtFrames;
  if (frames->text().isEmpty())
    frames->setText(QStringLiteral("0"));
  const auto value = ParseLocaleNumber(frames->text());
  if (value && *value >= 0) {
    secondsFollowFrames(*value);
  } else {
    showFieldMessage(value ? kMessageB : kMessageA);
    framesFollowSeconds(Value(ui_.txtSec));  // put back the frames that match the seconds
  }
  linkageGuard_ = 0;
  MakeWhole(frames);
}

void MainWindow::txtLengteFilm_Change() {
  QLineEdit* length = ui_.txtLengteFilm;
  if (length->text().isEmpty())
    length->setText(QStringLiteral("0"));
  const auto value = ParseLocaleNumber(length->text());
  if (!value) {
    showFieldMessage(kMessageA);
    length->setText(QStringLiteral("0"));
  } else if (*value < 0) {
    showFieldMessage(kMessageB);
    length->setText(ShortestLocaleDecimal(std::abs(*value)));
  }
  MakeWhole(length);
}

void MainWindow::txtNumberOfSegments_Change() {
  QLineEdit* count = ui_.txtNumberOfSegments;
  if (count->text().isEmpty())
    count->setText(QStringLiteral("0"));
  const auto value = ParseLocaleNumber(count->text());
  if (!value) {
    showFieldMessage(kMessageA);
    count->setText(QStringLiteral("2"));
  } else if (*value < 0) {
    showFieldMessage(kMessageB);
    count->setText(ShortestLocaleDecimal(std::abs(*value)));
  }
  MakeWhole(count);
  if (Value(count) < 2)
    count->setText(QStringLiteral("2"));  // no message: 0 and 1 mean 2
}

void MainWindow::HScroll1_Change() {
  const int milliseconds = ui_.HScroll1->value();
  QString text = QStringLiteral("0 sec");
  if (milliseconds > 0) {
    text = QStringLiteral("+ ") + ShortestLocaleDecimal(milliseconds / 1000.0) +
           QStringLiteral(" sec");
  } else if (milliseconds < 0) {
    text = QStringLiteral("- ") + ShortestLocaleDecimal(-milliseconds / 1000.0) +
           QStringLiteral(" sec");
  }
  ui_.txtSynchronize->setText(text);
  // Convert applies the same shift, so its tab says so while there is one.
  ui_.lblConvertShift->setText(
      milliseconds == 0 ? QString() : QStringLiteral("Shift from the Synchronize tab: ") + text);
  ui_.lblConvertShift->setVisible(milliseconds != 0);
}

void MainWindow::lstCurrentFrameRate_Click() {
  if (ui_.txtSec->text().isEmpty())
    ui_.txtSec->setText(QStringLiteral("0"));
  if (linkageGuard_ != 0) {
    linkageGuard_ = 0;  // the Convert list set this one: the segment fields stay as they are
    return;
  }
  linkageGuard_ = 1;
  // The segment keeps its length in seconds and changes its length in frames.
  ui_.txtFrames->setText(WholeNumberText(linkFrameRate() * Value(ui_.txtSec)));
  linkageGuard_ = 0;
  SelectPosition(ui_.lstConvertFrameRate, SelectedPosition(ui_.lstCurrentFrameRate));
}

void MainWindow::lstConvertFrameRate_Click() {
  if (linkageGuard_ != 0) {
    linkageGuard_ = 0;
    return;
  }
  linkageGuard_ = 1;
  SelectPosition(ui_.lstCurrentFrameRate, SelectedPosition(ui_.lstConvertFrameRate));
  linkageGuard_ = 0;
}
