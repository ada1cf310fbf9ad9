#pragma once

class SettingsStore;

// True on the first run of this version: nothing stored yet, another version stored, or the
// welcome page not yet shown. Its bookkeeping is then stored at once, whatever "Save settings."
// says, so that the welcome page shows once per version.
bool TakeFirstRunOfThisVersion(SettingsStore& store);
