#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "operations/chosen_changes.h"
#include "operations/text_preview.h"

class QTableWidget;

// frmChanges: the changes a run of Correct or Delete comments would make, one row each with a
// check box (all ticked), the entry, its time, and the text before and after with the changed
// characters marked. "Apply" accepts, "Cancel" rejects.
class ChangesDialog : public QDialog {
 public:
  ChangesDialog(const std::vector<lumetra::TextChange>& changes, QWidget* parent);

  // The changes whose boxes are not ticked, by TextChange::index.
  lumetra::LeftOutChanges leftOut() const;

 private:
  const std::vector<lumetra::TextChange>& changes_;
  QTableWidget* list_;
};

// Runs `preview` with the window busy as the run itself (`activity`: "correcting...") and
// lets the user choose among its changes: the changes left out, or nothing when the preview
// was refused or failed (the view has shown why) or the user cancelled. Without any change
// there is nothing to choose and the run goes ahead at once.
using PreviewRun = std::function<void(const lumetra::ChangeSink&, lumetra::FrameView&)>;
std::optional<lumetra::LeftOutChanges> ChooseChanges(QWidget* parent, lumetra::FrameView& view,
                                                     const char* activity,
                                                     const PreviewRun& preview);
