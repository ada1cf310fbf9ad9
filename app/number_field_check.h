#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

// Lets the user type freely in a number field and applies the field's rules once editing
// ends: when focus leaves the field, on Enter, or when commit() runs before the value is read.
// Checking every keystroke would turn "12." into "12" before the "5" arrives. A text set by
// code gets the rules at once, since the linked fields and start-up rely on that.
class NumberFieldCheck : public QObject {
 public:
  // `rules` run on a finished or code-set text; `whileTyping` after each keystroke.
  NumberFieldCheck(QLineEdit* field, std::function<void()> rules, std::function<void()> whileTyping,
                   QObject* parent);

  // Runs the rules on a text the user has typed and that has not been checked yet.
  void commit();

 private:
  void textChanged();

  QLineEdit* field_;
  std::function<void()> rules_;
  std::function<void()> whileTyping_;
  bool pending_ = false;
};
