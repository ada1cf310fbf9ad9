#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <QTimer>
#include <functional>

// Answers the change list the next time it shows, as the user would: `choose` may untick
// boxes of lstChanges, then `button` ("cmdApply" or "cmdCancel") is pressed. When no list
// shows, nothing happens.
inline void AnswerChanges(
    const QString& button, std::function<void(QTableWidget&)> choose = [](QTableWidget&) {}) {
  QTimer::singleShot(0, [button, choose] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != QLatin1String("frmChanges"))
      return;
    choose(*dialog->findChild<QTableWidget*>(QStringLiteral("lstChanges")));
    dialog->findChild<QPushButton*>(button)->click();
  });
}
