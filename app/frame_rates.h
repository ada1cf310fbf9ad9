#pragma once

#include <QString>
#include <QStringList>

// The five entries of the three frame-rate lists, in list order; position 2 ("25") is the
// default.
QStringList FrameRateEntries();
inline constexpr int kDefaultFrameRatePosition = 2;

// The rate an entry stands for, read from its leading characters with "." as the decimal
// point whatever the locale: "23.976" -> 23.976, "" -> 0.
double FrameRateOfEntry(const QString& entry);
// The list position of a rate (23.976 -> 0), or -1 when it is none of the five.
int FrameRatePosition(double rate);
