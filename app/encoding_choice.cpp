#include "app/encoding_choice.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

// The code pages subtitles are met in, Windows pages first as they are the most common.
constexpr const char* kCodePages[] = {
    "UTF-8",        "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
    "windows-1255", "windows-1256", "windows-1257", "windows-1258", "ISO-8859-1",   "ISO-8859-2",
    "ISO-8859-5",   "ISO-8859-7",   "ISO-8859-9",   "ISO-8859-15",  "ISO-8859-16",  "KOI8-R",
    "Big5",         "GB18030",      "Shift_JIS",    "EUC-JP",       "EUC-KR",       "TIS-620",
};

}  // namespace

QComboBox* MakeEncodingChoice(QWidget* parent) {
  auto* choice = new QComboBox(parent);
  choice->setObjectName(QStringLiteral("cboInputEncoding"));
  choice->setAccessibleName(QStringLiteral("Text encoding of the input file"));
  choice->setToolTip(QStringLiteral("The code page the input's text is read in"));
  choice->addItem(QStringLiteral("Detected"), QString());
  for (const char* codePage : kCodePages)
    choice->addItem(QString::fromLatin1(codePage), QString::fromLatin1(codePage));
  return choice;
}

std::string ChosenEncoding(const QComboBox* choice) {
  return choice->currentData().toString().toStdString();
}

void ResetEncodingChoice(QComboBox* choice) {
  const QSignalBlocker quiet(choice);
  choice->setCurrentIndex(0);
}
