#pragma once

#include <QString>

#include "operations/message.h"

class QWidget;

// Every message box of the program goes through one presenter, so tests can record the
// messages instead of blocking on a modal box. Texts may hold a bare CR as line break.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows a modal box with a single OK button and returns when it is dismissed.
  virtual void show(QWidget* parent, const QString& title, const QString& text,
                    lumetra::MessageIcon icon) = 0;
  // Asks a question with the buttons Yes and No; true for Yes.
  virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
};
