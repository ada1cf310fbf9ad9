#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/message_presenter.h"

// Records every message instead of showing a box, with the caption of the window it was
// shown over. `onShow` runs while the "box" is up, so a test can look at the window exactly
// as the user sees it behind the message.
class RecordingPresenter : public MessagePresenter {
 public:
  struct Shown {
    QString title;
    QString text;
    lumetra::MessageIcon icon;
    QString windowCaption;
    bool question = false;
  };

  void show(QWidget* parent, const QString& title, const QString& text,
            lumetra::MessageIcon icon) override {
    messages.push_back({title, text, icon, parent ? parent->window()->windowTitle() : QString()});
    if (onShow)
      onShow(messages.back());
  }

  // Recorded like a message; answered from `answers` in turn, Yes once they are used up.
  bool ask(QWidget* parent, const QString& title, const QString& text) override {
    show(parent, title, text, lumetra::MessageIcon::None);
    messages.back().question = true;
    if (answers.empty())
      return true;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }

  // Each message as "title|icon|text": icon 0 none, 1 information, 2 critical, ? a question.
  QStringList shown() const {
    QStringList all;
    for (const Shown& message : messages) {
      const QString icon =
          message.question ? QStringLiteral("?") : QString::number(int(message.icon));
      all << QStringLiteral("%1|%2|%3").arg(message.title, icon, message.text);
    }
    return all;
  }
  std::vector<Shown> messages;
  std::vector<bool> answers;  // true: Yes
  std::function<void(const Shown&)> onShow;
};
