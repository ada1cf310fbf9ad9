#pragma once

#include <QString>
#include <Qt>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Small makers for the windows' controls: each control gets its design name as objectName
// and its design caption or text, so the layout code reads like the control table.
QGroupBox* MakeFrame(const char* name, const QString& caption);
QLabel* MakeLabel(const char* name, const QString& caption);
QLineEdit* MakeTextBox(const char* name, const QString& text, int maxLength,
                       Qt::Alignment alignment);
QPushButton* MakeButton(const char* name, const QString& caption);
QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked);
QRadioButton* MakeOptionButton(const char* name, const QString& caption, bool selected);
// Makes a text box just wide enough for `characters` digits.
void FitTextBoxWidth(QLineEdit* box, int characters);
// The font of the three correction check boxes whose captions line up character by character.
void UseFixedPitch(QWidget* widget);
// The width of `characters` average characters in the widget's font, for wrapped texts.
int TextWidth(const QWidget* widget, int characters);
