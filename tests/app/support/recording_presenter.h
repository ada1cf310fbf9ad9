#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/message_presenter.h"

// Records every message instead of showing a box, with the caption of the window it was
// shown over at that moment. `onShow` runs while the "box" is up, so a test can look at the
// window exactly as the user would see it behind the message.
class RecordingPresenter : public MessagePresenter {
 public:
  struct Shown {
    QString title;
    QString text;
    lumetra::MessageIcon icon;
    QString windowCaption;
  };

  void show(QWidget* parent, const QString& title, const QString& text,
            lumetra::MessageIcon icon) override {
    const QString caption = parent != nullptr ? parent->window()->windowTitle() : QString();
    messages.push_back(Shown{title, text, icon, caption});
    if (onShow)
      onShow(messages.back());
  }

  QStringList texts() const {
    QStringList all;
    for (const Shown& message : messages)
      all << message.text;
    return all;
  }

  std::vector<Shown> messages;
  std::function<void(const Shown&)> onShow;
};
