#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

// A control of a window by its design name; a missing control ends the test run at once.
template <typename Control>
Control* Find(const QWidget& window, const char* name) {
  Control* control = window.findChild<Control*>(QString::fromLatin1(name));
  if (control == nullptr)
    qFatal("no control named %s", name);
  return control;
}

// What a control shows, as one text: a tab's index, a list's selected row (-1 for none), a
// slider's value, a check's "1"/"0", or the text of a box or label.
inline QString State(const QWidget& window, const QString& name) {
  QWidget* control = Find<QWidget>(window, name.toLatin1().constData());
  if (auto* tabs = qobject_cast<QTabWidget*>(control))
    return QString::number(tabs->currentIndex());
  if (auto* list = qobject_cast<QListWidget*>(control)) {
    const auto items = list->selectedItems();
    return QString::number(items.isEmpty() ? -1 : list->row(items.first()));
  }
  if (auto* slider = qobject_cast<QAbstractSlider*>(control))
    return QString::number(slider->value());
  if (auto* box = qobject_cast<QLineEdit*>(control))
    return box->text();
  if (auto* label = qobject_cast<QLabel*>(control))
    return label->text();
  return qobject_cast<QAbstractButton*>(control)->isChecked() ? "1" : "0";
}

// For each "name=value" of `expected`, "name=" and what that control shows now; compare the
// two lists to see every difference at once.
inline QStringList States(const QWidget& window, const QStringList& expected) {
  QStringList actual;
  for (const QString& entry : expected) {
    const QString name = entry.section(QLatin1Char('='), 0, 0);
    actual << name + QLatin1Char('=') + State(window, name);
  }
  return actual;
}

// "name=value" entries written as one text, separated by ";".
inline QStringList Entries(const char* text) {
  return QString::fromUtf8(text).split(QLatin1Char(';'));
}

// Sets controls as the user would: each "name=value" of `entries` (see Entries) selects a
// tab or list row, moves a slider, fills a text box, or checks ("1") or clears a button.
inline void SetStates(const QWidget& window, const char* entries) {
  for (const QString& entry : Entries(entries)) {
    const QString value = entry.section(QLatin1Char('='), 1);
    QWidget* control = Find<QWidget>(window, qPrintable(entry.section(QLatin1Char('='), 0, 0)));
    if (auto* tabs = qobject_cast<QTabWidget*>(control))
      tabs->setCurrentIndex(value.toInt());
    else if (auto* list = qobject_cast<QListWidget*>(control))
      list->setCurrentRow(value.toInt());
    else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
      slider->setValue(value.toInt());
    else if (auto* box = qobject_cast<QLineEdit*>(control))
      box->setText(value);
    else
      qobject_cast<QAbstractButton*>(control)->setChecked(value == QLatin1String("1"));
  }
}
