#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <QtGlobal>

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
