#include "app/options_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/message_presenter.h"
#include "app/widget_factory.h"
#include "operations/message.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

namespace {

int Value(const QCheckBox* box) {
  return box->isChecked() ? 1 : 0;
}

void Load(const SettingsStore& store, const keys::SettingKey& key, QCheckBox* box) {
  const auto value = ToInt16(ReadSetting(store, key));
  const bool valid = value == 0 || value == 1;
  box->setChecked(valid ? *value == 1 : *ToInt16(keys::FactoryValue(key)) == 1);
}

}  // namespace

OptionsDialog::OptionsDialog(MainWindow& mainWindow, SettingsStore& store,
                             MessagePresenter& presenter)
    : QDialog(&mainWindow), mainWindow_(mainWindow), store_(store), presenter_(presenter) {
  setObjectName(QStringLiteral("frmOptions"));
  setModal(false);

  // The design state equals the factory values, so nothing stored and nothing loaded agree.
  auto* options = MakeFrame("FrameOptions", QStringLiteral("Options"));
  chkOutputAsInput_ = MakeCheckBox(
      "chkOutputAsInput",
      QStringLiteral("Use the output file as new input file (not when splitting a subtitle!)."),
      true);
  chkDeleteBronBestand_ = MakeCheckBox(
      "chkDeleteBronBestand", QStringLiteral("Delete the sourcefile after using it."), false);
  chkOutputFormatIsInputFormat_ =
      MakeCheckBox("chkOutputFormatIsInputFormat", QStringLiteral("Auto set outputformat"), true);
  chkSaveSettings_ = MakeCheckBox("chkSaveSettings", QStringLiteral("Save settings."), true);
  auto* optionColumn = new QVBoxLayout(options);
  optionColumn->addWidget(chkOutputAsInput_);
  optionColumn->addWidget(chkDeleteBronBestand_);
  optionColumn->addWidget(chkOutputFormatIsInputFormat_);
  optionColumn->addWidget(chkSaveSettings_);

  auto* buttons = MakeFrame("FrameButtons", QString());
  QPushButton* ok = MakeButton("cmdOk", QStringLiteral("OK"));
  QPushButton* reset = MakeButton("cmdResetOptions", QStringLiteral("Reset"));
  QPushButton* cancel = MakeButton("cmdCancel", QStringLiteral("Cancel"));
  ok->setDefault(true);
  auto* buttonRow = new QHBoxLayout(buttons);
  buttonRow->addWidget(ok);
  buttonRow->addWidget(reset);
  buttonRow->addStretch(1);
  buttonRow->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(options);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
  connect(cancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(reset, &QPushButton::clicked, this, [this] { cmdResetOptions_Click(); });
}

void OptionsDialog::showOverMainWindow() {
  mainWindow_.setEnabled(false);
  setEnabled(true);  // a child window must be enabled again after its parent was disabled
  setWindowIcon(mainWindow_.windowIcon());
  setWindowTitle(QStringLiteral("Lumetra ") + QString::fromLatin1(lumetra::kVersion) +
                 QStringLiteral(" - Options - Written by Taviel"));
  show();
  raise();
  activateWindow();
}

void OptionsDialog::reloadFromStore() {
  Load(store_, keys::kOutputAsInput, chkOutputAsInput_);
  Load(store_, keys::kDeleteSource, chkDeleteBronBestand_);
  Load(store_, keys::kSaveSettings, chkSaveSettings_);
  Load(store_, keys::kOutputFormatIsInputFormat, chkOutputFormatIsInputFormat_);
}

int OptionsDialog::outputAsInputValue() const {
  return Value(chkOutputAsInput_);
}
int OptionsDialog::deleteSourceValue() const {
  return Value(chkDeleteBronBestand_);
}
int OptionsDialog::saveSettingsValue() const {
  return Value(chkSaveSettings_);
}
int OptionsDialog::outputFormatIsInputFormatValue() const {
  return Value(chkOutputFormatIsInputFormat_);
}

void OptionsDialog::reject() {
  cmdCancel_Click();
}

void OptionsDialog::hideAndEnableMainWindow() {
  mainWindow_.setEnabled(true);
  hide();
}

void OptionsDialog::cmdOk_Click() {
  // Written whatever "Save settings." says: OK is the user's explicit choice.
  WriteSetting(store_, keys::kOutputAsInput, QString::number(outputAsInputValue()));
  WriteSetting(store_, keys::kDeleteSource, QString::number(deleteSourceValue()));
  WriteSetting(store_, keys::kSaveSettings, QString::number(saveSettingsValue()));
  WriteSetting(store_, keys::kOutputFormatIsInputFormat,
               QString::number(outputFormatIsInputFormatValue()));
  hideAndEnableMainWindow();
}

void OptionsDialog::cmdCancel_Click() {
  reloadFromStore();  // discards every change since the last OK
  hideAndEnableMainWindow();
}

void OptionsDialog::cmdResetOptions_Click() {
  for (const keys::SettingKey& key : keys::kResetOrder) {
    WriteSetting(store_, key, keys::FactoryValue(key));
  }
  chkOutputAsInput_->setChecked(true);
  chkDeleteBronBestand_->setChecked(false);
  chkSaveSettings_->setChecked(true);
  chkOutputFormatIsInputFormat_->setChecked(true);
  mainWindow_.resetFieldsToFactory();
  presenter_.show(this, QStringLiteral("Lumetra"), QStringLiteral("The settings are reset"),
                  lumetra::MessageIcon::None);
  hideAndEnableMainWindow();
  mainWindow_.selectMicroDvdOutput();
}
