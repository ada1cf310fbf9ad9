#include "app/comment_kinds_fields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QWidget>

#include "app/main_window_controls.h"
#include "app/widget_factory.h"
#include "settings/setting_keys.h"

QWidget* BuildMoreCommentKinds(MainWindowControls& ui) {
  auto* fields = new QWidget;
  ui.txtCommentPairs = MakeTextBox("txtCommentPairs", QString(), 40, Qt::AlignLeft);
  ui.txtCommentPairs->setAccessibleName(QStringLiteral("More pairs"));
  ui.txtCommentPairs->setPlaceholderText(QStringLiteral("() {}"));
  ui.chkMusicLines = MakeCheckBox(
      "chkMusicLines", QStringLiteral("L&ines with \u266A or \u266B are comments"),
      QString::fromLatin1(setting_keys::kCommentMusicLines.factory) == QLatin1String("1"));
  ui.chkMusicLines->setAccessibleName(QStringLiteral("Lines with \u266A or \u266B are comments"));
  auto* form = new QFormLayout(fields);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(QStringLiteral("More &pairs:"), ui.txtCommentPairs);
  form->addRow(ui.chkMusicLines);
  return fields;
}

std::optional<lumetra::CommentSettings> CommentSettingsOf(const MainWindowControls& ui) {
  const auto pairs = lumetra::ParseCommentPairs(ui.txtCommentPairs->text().toStdString());
  if (!pairs)
    return std::nullopt;
  return lumetra::CommentSettings{ui.txtCommentsCharacterbegin->text().toStdString(),
                                  ui.txtCommentsCharacterEnd->text().toStdString(), *pairs,
                                  ui.chkMusicLines->isChecked()};
}
