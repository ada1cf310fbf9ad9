#pragma once

#include <QString>
#include <optional>

// A shift typed into txtSynchronize, in seconds: "-12.3", "+4", "12,3", and the field's own
// "- 12.3 sec". Either "." or "," is the decimal mark, whatever the locale: a shift of at
// most 30 seconds never needs digit grouping, so "12,3" cannot mean 123. Returns the value
// in whole milliseconds (nearest), or nullopt for a text that is not such a number.
std::optional<long long> TypedShiftMs(const QString& text);
