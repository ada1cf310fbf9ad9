#pragma once

#include <QObject>
#include <functional>

#include "operations/frame.h"

class LinkedFields;
class MessagePresenter;
class OptionsDialog;
class QPushButton;
class QWidget;
struct MainWindowControls;

// The seven operation buttons. Each gathers the values of its tab's controls and runs its
// operation's driver, which tells the window through the frame view what to show and write
// back, in the order the user sees it.
class OperationRunner : public QObject {
 public:
  OperationRunner(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter,
                  LinkedFields& fields, const OptionsDialog& options);

  // The values every operation gathers from the window: input, rate, format, options.
  lumetra::CommonParams commonParams() const;

 private:
  void onSplitClicked();
  void onCorrectClicked();
  void onChangeFrameRateClicked();
  void onSynchronizeClicked();
  void onDeleteCommentsClicked();
  void onConvertClicked();
  void onGuessFrameRateClicked();

  void run(QPushButton* ownButton, const std::function<void(lumetra::FrameView&)>& driver);

  QWidget& window_;
  const MainWindowControls& ui_;
  MessagePresenter& presenter_;
  LinkedFields& fields_;
  const OptionsDialog& options_;
};
