#pragma once

#include <QList>
#include <QObject>

class MessagePresenter;
class NumberFieldCheck;
class QLineEdit;
class QWidget;
struct MainWindowControls;

// The number fields of the main window and how they follow each other: the segment size in
// seconds and in frames, linked through the input frame rate; the input and Convert frame-rate
// lists, which mirror each other; and the checks that keep every number field a whole,
// non-negative number. A field's checks run when the user ends editing it and whenever code
// sets its text. Setting a linked control runs its handler nested, and the linkage guard keeps
// the seconds and frames from updating each other without end. A shift typed into
// txtSynchronize moves HScroll1 the same way.
class LinkedFields : public QObject {
 public:
  LinkedFields(const MainWindowControls& ui, MessagePresenter& presenter, QWidget& window);

  // Runs the checks of every field whose typed text has not been checked yet, so that what is
  // read next is a checked value.
  void commit();

 private:
  void onSecondsTyped();
  void onFramesTyped();
  void onSecondsChanged();
  void onFramesChanged();
  void onMovieLengthChanged();
  void onSegmentCountChanged();
  void onInputRateChanged();
  void onConvertRateChanged();
  void onShiftTyped();

  using Follow = void (LinkedFields::*)(double);
  void checkSegmentField(QLineEdit* field, const QLineEdit* other, Follow otherFollows,
                         Follow fieldFollows);
  void checkWholeField(QLineEdit* field, const char* instead);
  void framesFollowSeconds(double seconds);
  void secondsFollowFrames(double frames);
  double linkFrameRate() const;
  void refuse(const char* text);

  const MainWindowControls& ui_;
  MessagePresenter& presenter_;
  QWidget& window_;
  QList<NumberFieldCheck*> checks_;
  bool linking_ = false;  // the seconds and frames fields are updating each other
};
