#pragma once

#include <QIODevice>
#include <QSettings>

// A plain INI format for QSettings in which neither section names nor keys are escaped:
// the map key "Settings/Correct-I/l" is the key "Correct-I/l" of section "[Settings]", and
// "General" is a section like any other. Values are written as they are, and quoted only
// when they would otherwise lose something (surrounding spaces, line breaks, a leading quote).
namespace ini_format {

bool Read(QIODevice& device, QSettings::SettingsMap& map);
bool Write(QIODevice& device, const QSettings::SettingsMap& map);
// Registered once per process.
QSettings::Format Format();

}  // namespace ini_format
