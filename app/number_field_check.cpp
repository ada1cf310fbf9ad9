#include "app/number_field_check.h"

#include <QLineEdit>

NumberFieldCheck::NumberFieldCheck(QLineEdit* field, std::function<void()> rules,
                                   std::function<void()> whileTyping, QObject* parent)
    : QObject(parent),
      field_(field),
      rules_(std::move(rules)),
      whileTyping_(std::move(whileTyping)) {
  connect(field, &QLineEdit::textChanged, this, &NumberFieldCheck::textChanged);
  connect(field, &QLineEdit::editingFinished, this, &NumberFieldCheck::commit);
}

void NumberFieldCheck::commit() {
  // Cleared first: a message box shown by the rules takes the focus, and the focus loss it
  // causes must not check the same text twice.
  if (!pending_)
    return;
  pending_ = false;
  rules_();
}

void NumberFieldCheck::textChanged() {
  // setText() leaves the field unmodified; only the user's own editing marks it.
  if (field_->isModified()) {
    pending_ = true;
    if (whileTyping_)
      whileTyping_();
    return;
  }
  pending_ = false;
  rules_();
}
