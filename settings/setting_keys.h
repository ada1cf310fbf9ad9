#pragma once

#include "lumetra_version.h"

// The one table of every stored setting: its section, key and factory value, and the control
// of the window that shows it. Start-up, shut-down, the options dialog, Reset and the command
// line's defaults all read it, so they cannot disagree. Plain C++, so that code without Qt
// can include it.
namespace setting_keys {

inline constexpr const char* kGeneral = "General";
inline constexpr const char* kSettings = "Settings";

// What Reset does to the control of a setting on the main window, besides storing the
// factory value.
enum class OnReset {
  Factory,  // shows the factory value
  Kept,     // keeps what it shows
  Last,     // shows the factory value once the reset's message has been dismissed
};

struct Setting {
  const char* section;
  const char* key;
  const char* factory;  // written by Reset and returned when the key is absent
  // The objectName of the control that shows the setting, nullptr when none does.
  const char* control = nullptr;
  // A pair of option buttons: `control` stands for the factory word, `otherControl` for
  // `otherWord`; any other stored word selects `control`.
  const char* otherControl = nullptr;
  const char* otherWord = nullptr;
  // A third option button, for `thirdWord`.
  const char* thirdControl = nullptr;
  const char* thirdWord = nullptr;
  OnReset onReset = OnReset::Factory;
};

// Section "General": the five options and the first-run bookkeeping.
inline constexpr Setting kOutputAsInput{kGeneral, "OutputAsInput", "1", "chkOutputAsInput"};
inline constexpr Setting kDeleteSource{kGeneral, "DeleteSource", "0", "chkDeleteBronBestand"};
inline constexpr Setting kSaveSettings{kGeneral, "SaveSettings", "1", "chkSaveSettings"};
inline constexpr Setting kOutputFormatIsInputFormat{kGeneral, "OutputFormatIsInputFormat", "1",
                                                    "chkOutputFormatIsInputFormat"};
inline constexpr Setting kWriteUtf8{kGeneral, "WriteUtf8", "0", "chkWriteUtf8"};
inline constexpr Setting kVersie{kGeneral, "Versie", lumetra::kVersion};
inline constexpr Setting kEersteKeer{kGeneral, "EersteKeer", "0"};

// Section "Settings": the fields of the main window and the open dialog's folder.
inline constexpr Setting kLastAction{kSettings, "LastAction", "0", "TabAction"};
// List positions in the frame-rate lists: 2 is "25".
inline constexpr Setting kSourceFramerate{kSettings, "SourceFramerate", "2", "lstCurrentFrameRate"};
inline constexpr Setting kDestinationFrameRate{kSettings, "DestinationFrameRate", "2",
                                               "lstNewFrameRate"};
inline constexpr Setting kSegmentSize{kSettings, "SegmentSize", "180000", "txtFrames"};
inline constexpr Setting kNumberOfSegments{kSettings, "NumberOfSegments", "2",
                                           "txtNumberOfSegments"};
inline constexpr Setting kSynchronize{kSettings, "Synchronize", "0", "HScroll1"};
inline constexpr Setting kCorrectIl{kSettings, "Correct-I/l", "1", "chkIl"};
inline constexpr Setting kCorrectQuotes{kSettings, "Correct-quotes", "1", "chkQuotes"};
inline constexpr Setting kCorrectFullStops{kSettings, "Correct-?./!.", "1", "chkLeesteken"};
inline constexpr Setting kCorrectNumbers{kSettings, "Correct-Numbers", "1", "chkGetallen"};
inline constexpr Setting kGuessMovieLength{kSettings, "Guess-movielength", "7200", "txtLengteFilm"};
inline constexpr Setting kGuessCorrection{kSettings, "Guess-correction", "4", "lstGuessCorrection"};
inline constexpr Setting kBeginCharacter{.section = kSettings,
                                         .key = "Begin-character",
                                         .factory = "[",
                                         .control = "txtCommentsCharacterbegin",
                                         .onReset = OnReset::Kept};
inline constexpr Setting kEndCharacter{.section = kSettings,
                                       .key = "End-character",
                                       .factory = "]",
                                       .control = "txtCommentsCharacterEnd",
                                       .onReset = OnReset::Kept};
// More pairs of comment characters, "() {}", and whether lines with a music note are comments.
inline constexpr Setting kCommentPairs{kSettings, "Comment-pairs", "", "txtCommentPairs"};
inline constexpr Setting kCommentMusicLines{kSettings, "Comment-music", "0", "chkMusicLines"};
inline constexpr Setting kOutputFormat{.section = kSettings,
                                       .key = "OutputFormat",
                                       .factory = "MicroDVD",
                                       .control = "optMicroDVD",
                                       .otherControl = "optSubRip",
                                       .otherWord = "SubRip",
                                       .thirdControl = "optWebVTT",
                                       .thirdWord = "WebVTT",
                                       .onReset = OnReset::Last};
inline constexpr Setting kLanguage{.section = kSettings,
                                   .key = "Language",
                                   .factory = "Engels",
                                   .control = "optEngels",
                                   .otherControl = "optFrans",
                                   .otherWord = "Frans"};
// Fit to movie: the movie, the source of the fit (a list position: 0 the movie's sound, 1 a
// subtitle that fits, 2 two points) and the source's fields.
inline constexpr Setting kFitMovie{kSettings, "Fit-movie", "", "txtFitMovie"};
inline constexpr Setting kFitSource{kSettings, "Fit-source", "0", "lstFitSource"};
inline constexpr Setting kFitReference{kSettings, "Fit-reference", "", "txtFitReference"};
inline constexpr Setting kFitPoints{kSettings, "Fit-points", "", "txtFitPoints"};
// The factory folder is the user's home folder, not a fixed text (see FactoryValue).
inline constexpr Setting kFolder{kSettings, "Folder", ""};

// The user's 28 settings, apart from the first-run bookkeeping, in the order start-up reads and
// shut-down writes those a control shows. Reset stores the factory value of each.
// clang-format off
inline constexpr Setting kUserSettings[] = {
    kOutputAsInput, kDeleteSource, kSaveSettings, kOutputFormatIsInputFormat,
    kLastAction, kSourceFramerate, kDestinationFrameRate, kSegmentSize, kNumberOfSegments,
    kSynchronize, kCorrectIl, kCorrectQuotes, kCorrectFullStops, kCorrectNumbers,
    kGuessMovieLength, kGuessCorrection, kBeginCharacter, kEndCharacter, kOutputFormat,
    kLanguage, kFolder, kCommentPairs, kCommentMusicLines, kWriteUtf8, kFitMovie, kFitSource,
    kFitReference, kFitPoints};
// clang-format on

}  // namespace setting_keys
