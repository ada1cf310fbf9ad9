#include "app/linked_fields.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <cmath>
#include <cstdlib>

#include "app/frame_rate_list.h"
#include "app/locale_numbers.h"
#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/number_field_check.h"
#include "app/position_list.h"
#include "app/shift_display.h"
#include "app/typed_shift.h"
#include "operations/shift.h"

namespace {

constexpr const char* kNotNumeric = "This field must be numeric!\rPlease enter a number.";
constexpr const char* kNegative =
    "This field must contain a positive number!\rPlease enter a positive number.";
constexpr const char* kShiftTooLong =
    "The shift must lie between - 30 and + 30 sec!\rPlease enter a shift of at most 30 seconds.";
// A split makes at least two segments.
constexpr const char* kFewestSegments = "2";

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
    box->setText(FlooredNumberText(*value));
}

void EmptyMeansZero(QLineEdit* box) {
  if (box->text().isEmpty())
    box->setText(QStringLiteral("0"));
}

}  // namespace

LinkedFields::LinkedFields(const MainWindowControls& ui, MessagePresenter& presenter,
                           QWidget& window)
    : ui_(ui), presenter_(presenter), window_(window) {
  // Direct connections: a handler that sets a control runs that control's handler nested,
  // before its own next step, as the linkage relies on.
  checks_ = {new NumberFieldCheck(
                 ui.txtSec, [this] { onSecondsChanged(); }, [this] { onSecondsTyped(); }, this),
             new NumberFieldCheck(
                 ui.txtFrames, [this] { onFramesChanged(); }, [this] { onFramesTyped(); }, this),
             new NumberFieldCheck(
                 ui.txtLengteFilm, [this] { onMovieLengthChanged(); }, {}, this),
             new NumberFieldCheck(
                 ui.txtNumberOfSegments, [this] { onSegmentCountChanged(); }, {}, this),
             new NumberFieldCheck(
                 ui.txtSynchronize, [this] { onShiftTyped(); }, {}, this)};
  connect(ui.lstCurrentFrameRate, &QListWidget::itemSelectionChanged, this,
          &LinkedFields::onInputRateChanged);
  connect(ui.lstConvertFrameRate, &QListWidget::itemSelectionChanged, this,
          &LinkedFields::onConvertRateChanged);
}

void LinkedFields::commit() {
  for (NumberFieldCheck* check : checks_)
    check->commit();
}

double LinkedFields::linkFrameRate() const {
  return SelectedFrameRate(ui_.lstCurrentFrameRate);
}

void LinkedFields::refuse(const char* text) {
  presenter_.show(&window_, QString::fromStdString(lumetra::TitleText()), QString::fromLatin1(text),
                  lumetra::MessageIcon::Critical);
}

// With the guard down, the other field follows and the guard goes up; the caller puts it
// down again when it ends, as the nested handler may not run at all.
void LinkedFields::framesFollowSeconds(double seconds) {
  if (!linking_) {
    linking_ = true;
    ui_.txtFrames->setText(FlooredNumberText(linkFrameRate() * seconds));
  }
}

void LinkedFields::secondsFollowFrames(double frames) {
  if (!linking_) {
    linking_ = true;
    ui_.txtSec->setText(FlooredNumberText(SecondsOf(frames, linkFrameRate())));
  }
}

// While the user types, a whole number carries the other field along; anything else waits
// for the end of editing.
void LinkedFields::onSecondsTyped() {
  if (const auto value = WholeNonNegative(ui_.txtSec))
    framesFollowSeconds(*value);
  linking_ = false;
}

void LinkedFields::onFramesTyped() {
  if (const auto value = WholeNonNegative(ui_.txtFrames))
    secondsFollowFrames(*value);
  linking_ = false;
}

void LinkedFields::onSecondsChanged() {
  checkSegmentField(ui_.txtSec, ui_.txtFrames, &LinkedFields::framesFollowSeconds,
                    &LinkedFields::secondsFollowFrames);
}

void LinkedFields::onFramesChanged() {
  checkSegmentField(ui_.txtFrames, ui_.txtSec, &LinkedFields::secondsFollowFrames,
                    &LinkedFields::framesFollowSeconds);
}

// A valid value carries the other field along; anything else is refused and put back to
// match the other field.
void LinkedFields::checkSegmentField(QLineEdit* field, const QLineEdit* other, Follow otherFollows,
                                     Follow fieldFollows) {
  EmptyMeansZero(field);
  const auto value = ParseLocaleNumber(field->text());
  if (value && *value >= 0) {
    (this->*otherFollows)(*value);
  } else {
    refuse(value ? kNegative : kNotNumeric);
    (this->*fieldFollows)(Value(other));
  }
  linking_ = false;
  MakeWhole(field);
}

void LinkedFields::onMovieLengthChanged() {
  checkWholeField(ui_.txtLengteFilm, "0");
}

void LinkedFields::onSegmentCountChanged() {
  QLineEdit* count = ui_.txtNumberOfSegments;
  checkWholeField(count, kFewestSegments);
  if (Value(count) < 2)
    count->setText(QLatin1String(kFewestSegments));  // no message: 0 and 1 mean 2
}

// A text that is no number is refused and replaced by `instead`; a negative one is refused
// and loses its sign.
void LinkedFields::checkWholeField(QLineEdit* field, const char* instead) {
  EmptyMeansZero(field);
  const auto value = ParseLocaleNumber(field->text());
  if (!value) {
    refuse(kNotNumeric);
    field->setText(QLatin1String(instead));
  } else if (*value < 0) {
    refuse(kNegative);
    field->setText(ShortestLocaleDecimal(std::abs(*value)));
  }
  MakeWhole(field);
}

void LinkedFields::onInputRateChanged() {
  EmptyMeansZero(ui_.txtSec);
  if (linking_) {
    linking_ = false;  // the Convert list set this one: the segment fields stay as they are
    return;
  }
  linking_ = true;
  // The segment keeps its length in seconds and changes its length in frames.
  ui_.txtFrames->setText(FlooredNumberText(linkFrameRate() * Value(ui_.txtSec)));
  linking_ = false;
  SelectPosition(ui_.lstConvertFrameRate, SelectedPosition(ui_.lstCurrentFrameRate));
}

void LinkedFields::onConvertRateChanged() {
  if (linking_) {
    linking_ = false;
    return;
  }
  linking_ = true;
  SelectPosition(ui_.lstCurrentFrameRate, SelectedPosition(ui_.lstConvertFrameRate));
  linking_ = false;
}

// The scroll bar takes a typed shift; the field then shows it in its own words, or the
// shift it had when the text was refused.
void LinkedFields::onShiftTyped() {
  const QString text = ui_.txtSynchronize->text();
  // An emptied field means no shift, as an emptied number field means 0.
  const std::optional<long long> milliseconds = text.trimmed().isEmpty() ? 0 : TypedShiftMs(text);
  if (!milliseconds)
    refuse(kNotNumeric);
  else if (std::llabs(*milliseconds) > lumetra::kMaxShiftMs)
    refuse(kShiftTooLong);
  else
    ui_.HScroll1->setValue(static_cast<int>(*milliseconds));
  ui_.txtSynchronize->setText(ShiftText(ui_.HScroll1->value()));
}
