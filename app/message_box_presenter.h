#pragma once

#include "app/message_presenter.h"

// Shows every message as a modal QMessageBox with one OK button; a bare CR in the text is a
// line break.
class MessageBoxPresenter : public MessagePresenter {
 public:
  void show(QWidget* parent, const QString& title, const QString& text,
            lumetra::MessageIcon icon) override;
  // No is the default button: Enter alone never replaces a file.
  bool ask(QWidget* parent, const QString& title, const QString& text) override;
};
