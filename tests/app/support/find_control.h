#pragma once

#include <QByteArray>
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
