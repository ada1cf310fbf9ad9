#include "app/widget_factory.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}
}  // namespace

QGroupBox* MakeFrame(const char* name, const QString& caption) {
  return Named(new QGroupBox(caption), name);
}

QLabel* MakeLabel(const char* name, const QString& caption) {
  return Named(new QLabel(caption), name);
}

QLineEdit* MakeTextBox(const char* name, const QString& text, int maxLength,
                       Qt::Alignment alignment) {
  auto* box = Named(new QLineEdit, name);
  box->setMaxLength(maxLength);
  box->setAlignment(alignment);
  box->setText(text);
  box->setAcceptDrops(false);  // a file dropped anywhere on a window is the window's to take
  return box;
}

QPushButton* MakeButton(const char* name, const QString& caption) {
  auto* button = Named(new QPushButton(caption), name);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked) {
  auto* box = Named(new QCheckBox(caption), name);
  box->setChecked(checked);
  return box;
}

QRadioButton* MakeOptionButton(const char* name, const QString& caption, bool selected) {
  auto* button = Named(new QRadioButton(caption), name);
  button->setChecked(selected);
  return button;
}

void FitTextBoxWidth(QLineEdit* box, int characters) {
  const int digit = box->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  box->setFixedWidth(digit * (characters + 2) + 12);
}

void UseFixedPitch(QWidget* widget) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(widget->font().pointSizeF());  // as large as its neighbours
  widget->setFont(font);
}

int TextWidth(const QWidget* widget, int characters) {
  return widget->fontMetrics().averageCharWidth() * characters;
}
