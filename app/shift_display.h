#pragma once

#include <QObject>
#include <QString>

struct MainWindowControls;

// How txtSynchronize shows a shift of HScroll1: "+ 1.5 sec", "- 0.25 sec", "0 sec".
QString ShiftText(int milliseconds);

// Shows the Synchronize shift of HScroll1 as readable text in txtSynchronize ("+ 1.5 sec"),
// and on the Convert tab, which applies the same shift, while there is one.
class ShiftDisplay : public QObject {
 public:
  explicit ShiftDisplay(const MainWindowControls& ui);

 private:
  void onShiftChanged();

  const MainWindowControls& ui_;
};
