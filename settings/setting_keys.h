#pragma once

#include <QString>

// The one table of every stored setting: its section, its key and its factory value. Start-up,
// shut-down and Reset all name their keys through these constants, so they cannot disagree.
namespace setting_keys {

struct SettingKey {
  const char* section;
  const char* name;
  const char* factory;  // written by Reset and returned when the key is absent
};

inline constexpr const char* kGeneral = "General";
inline constexpr const char* kSettings = "Settings";

// Section "General": the four options and the first-run bookkeeping.
inline constexpr SettingKey kOutputAsInput{kGeneral, "OutputAsInput", "1"};
inline constexpr SettingKey kDeleteSource{kGeneral, "DeleteSource", "0"};
inline constexpr SettingKey kSaveSettings{kGeneral, "SaveSettings", "1"};
inline constexpr SettingKey kOutputFormatIsInputFormat{kGeneral, "OutputFormatIsInputFormat", "1"};
inline constexpr SettingKey kVersie{kGeneral, "Versie", "2.6"};
inline constexpr SettingKey kEersteKeer{kGeneral, "EersteKeer", "0"};

// Section "Settings": the fields of the main window and the open dialog's folder.
inline constexpr SettingKey kLastAction{kSettings, "LastAction", "0"};
inline constexpr SettingKey kSourceFramerate{kSettings, "SourceFramerate", "2"};
inline constexpr SettingKey kDestinationFrameRate{kSettings, "DestinationFrameRate", "2"};
inline constexpr SettingKey kSegmentSize{kSettings, "SegmentSize", "180000"};
inline constexpr SettingKey kNumberOfSegments{kSettings, "NumberOfSegments", "2"};
inline constexpr SettingKey kSynchronize{kSettings, "Synchronize", "0"};
inline constexpr SettingKey kCorrectIl{kSettings, "Correct-I/l", "1"};
inline constexpr SettingKey kCorrectQuotes{kSettings, "Correct-quotes", "1"};
inline constexpr SettingKey kCorrectFullStops{kSettings, "Correct-?./!.", "1"};
inline constexpr SettingKey kCorrectNumbers{kSettings, "Correct-Numbers", "1"};
inline constexpr SettingKey kGuessMovieLength{kSettings, "Guess-movielength", "7200"};
inline constexpr SettingKey kGuessCorrection{kSettings, "Guess-correction", "4"};
inline constexpr SettingKey kBeginCharacter{kSettings, "Begin-character", "["};
inline constexpr SettingKey kEndCharacter{kSettings, "End-character", "]"};
inline constexpr SettingKey kOutputFormat{kSettings, "OutputFormat", "MicroDVD"};
inline constexpr SettingKey kLanguage{kSettings, "Language", "Engels"};
// The factory folder is the user's home folder (see FactoryValue), not a fixed text.
inline constexpr SettingKey kFolder{kSettings, "Folder", ""};

// The 21 settings Reset writes, in the order it writes them.
inline constexpr SettingKey kResetOrder[] = {
    kLastAction,
    kSourceFramerate,
    kDestinationFrameRate,
    kSegmentSize,
    kNumberOfSegments,
    kLanguage,
    kOutputAsInput,
    kDeleteSource,
    kSaveSettings,
    kOutputFormatIsInputFormat,
    kSynchronize,
    kFolder,
    kCorrectIl,
    kCorrectQuotes,
    kCorrectFullStops,
    kCorrectNumbers,
    kOutputFormat,
    kGuessMovieLength,
    kGuessCorrection,
    kBeginCharacter,
    kEndCharacter,
};

// The four options of the options dialog, in the order OK and shut-down write them.
inline constexpr SettingKey kOptionsOrder[] = {kOutputAsInput, kDeleteSource, kSaveSettings,
                                               kOutputFormatIsInputFormat};

// The user's home folder with a trailing separator: where the open dialog starts by default.
QString DefaultFolder();
// The factory text of a key ("Folder" gives DefaultFolder()).
QString FactoryValue(const SettingKey& key);

}  // namespace setting_keys
