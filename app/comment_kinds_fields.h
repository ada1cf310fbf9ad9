#pragma once

#include <optional>

#include "operations/delete_comments.h"

class QWidget;
struct MainWindowControls;

// The Delete comments tab's controls beyond the two character boxes: txtCommentPairs for
// more pairs ("() {}") and chkMusicLines for lines with a music note. Returns their frame.
QWidget* BuildMoreCommentKinds(MainWindowControls& ui);

// What the tab's controls say a run removes; nothing when txtCommentPairs holds a pair that
// is not two characters.
std::optional<lumetra::CommentSettings> CommentSettingsOf(const MainWindowControls& ui);
// The refusal for such a pair.
inline constexpr const char* kBadCommentPairs =
    "Enter each further pair as two characters, the pairs parted by spaces: () {}";
