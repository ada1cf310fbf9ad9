#pragma once

#include <QString>
#include <optional>

#include "subtitle/subtitle_input.h"

class MessagePresenter;
class QWidget;

// Looks at a file the user has chosen, in the open dialog or by dropping it on the window:
// what it is, for a MicroDVD or SubRip file; for anything else, or a file that cannot be
// read, the message that says so (shown over `parent`) and nullopt.
std::optional<lumetra::SubtitleFileFacts> RecogniseSubtitle(const QString& path,
                                                            MessagePresenter& presenter,
                                                            QWidget* parent);
