#include "app/shift_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "app/locale_numbers.h"
#include "app/main_window_controls.h"

QString ShiftText(int milliseconds) {
  if (milliseconds > 0)
    return QStringLiteral("+ ") + ShortestLocaleDecimal(milliseconds / 1000.0) +
           QStringLiteral(" sec");
  if (milliseconds < 0)
    return QStringLiteral("- ") + ShortestLocaleDecimal(-milliseconds / 1000.0) +
           QStringLiteral(" sec");
  return QStringLiteral("0 sec");
}

ShiftDisplay::ShiftDisplay(const MainWindowControls& ui) : ui_(ui) {
  connect(ui.HScroll1, &QScrollBar::valueChanged, this, &ShiftDisplay::onShiftChanged);
}

void ShiftDisplay::onShiftChanged() {
  const int milliseconds = ui_.HScroll1->value();
  const QString text = ShiftText(milliseconds);
  ui_.txtSynchronize->setText(text);
  ui_.lblConvertShift->setText(
      milliseconds == 0 ? QString() : QStringLiteral("Shift from the Synchronize tab: ") + text);
  ui_.lblConvertShift->setVisible(milliseconds != 0);
}
