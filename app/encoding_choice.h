#pragma once

#include <string>

class QComboBox;
class QLabel;
class QWidget;
class MessagePresenter;

// cboInputEncoding: beside the input file's information, the code page its text is read in.
// Its first entry, "Detected", leaves it to the byte-order mark and the detector.
QComboBox* MakeEncodingChoice(QWidget* parent);
// The chosen code page; "" for "Detected".
std::string ChosenEncoding(const QComboBox* choice);
// Back to "Detected" without telling anyone, for a new input.
void ResetEncodingChoice(QComboBox* choice);
