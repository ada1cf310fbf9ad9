#include "app/options_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_presenter.h"
#include "app/widget_factory.h"
#include "settings/settings_access.h"

namespace {

// The five check boxes, left clear: the binding shows their factory state.
QWidget* MakeOptions(QCheckBox*& outputAsInput, QCheckBox*& deleteSource, QCheckBox*& writeUtf8) {
  auto* options = MakeFrame("FrameOptions", QStringLiteral("Options"));
  outputAsInput = MakeCheckBox(
      "chkOutputAsInput",
      QStringLiteral("&Use the output file as new input file (not when splitting a subtitle!)."),
      false);
  deleteSource = MakeCheckBox("chkDeleteBronBestand",
                              QStringLiteral("&Delete the sourcefile after using it."), false);
  auto* column = new QVBoxLayout(options);
  column->addWidget(outputAsInput);
  column->addWidget(deleteSource);
  column->addWidget(MakeCheckBox("chkOutputFormatIsInputFormat",
                                 QStringLiteral("&Auto set outputformat"), false));
  column->addWidget(MakeCheckBox("chkSaveSettings", QStringLiteral("&Save settings."), false));
  writeUtf8 = MakeCheckBox("chkWriteUtf8", QStringLiteral("Write the output in UTF-&8"), false);
  writeUtf8->setAccessibleName(QStringLiteral("Write the output in UTF-8"));
  column->addWidget(writeUtf8);
  return options;
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* mainWindow, SettingsStore& store, MessagePresenter& presenter)
    : QDialog(mainWindow), mainWindow_(*mainWindow), store_(store), presenter_(presenter) {
  setObjectName(QStringLiteral("frmOptions"));
  setModal(false);

  auto* buttons = MakeFrame("FrameButtons", QString());
  QPushButton* ok = MakeButton("cmdOk", QStringLiteral("&OK"));
  QPushButton* reset = MakeButton("cmdResetOptions", QStringLiteral("&Reset"));
  QPushButton* cancel = MakeButton("cmdCancel", QStringLiteral("&Cancel"));
  ok->setDefault(true);
  auto* buttonRow = new QHBoxLayout(buttons);
  buttonRow->addWidget(ok);
  buttonRow->addWidget(reset);
  buttonRow->addStretch(1);
  buttonRow->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeOptions(chkOutputAsInput_, chkDeleteBronBestand_, chkWriteUtf8_));
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  options_.emplace(*this);
  options_->showFactory(setting_keys::OnReset::Factory);  // the design state

  connect(ok, &QPushButton::clicked, this, &OptionsDialog::onOkClicked);
  connect(cancel, &QPushButton::clicked, this, &OptionsDialog::onCancelClicked);
  connect(reset, &QPushButton::clicked, this, &OptionsDialog::onResetClicked);
}

void OptionsDialog::showOverMainWindow() {
  mainWindow_.setEnabled(false);
  setEnabled(true);  // a child window must be enabled again after its parent was disabled
  setWindowIcon(mainWindow_.windowIcon());
  setWindowTitle(QString::fromStdString(lumetra::WindowCaption("Options")));
  show();
  raise();
  activateWindow();
}

void OptionsDialog::reloadFromStore() {
  options_->restore(store_, SettingsBinding::Unfit::ShowFactory);
}

void OptionsDialog::saveToStore() {
  options_->save(store_);
}

bool OptionsDialog::deletesSource() const {
  return chkDeleteBronBestand_->isChecked();
}

bool OptionsDialog::writesUtf8() const {
  return chkWriteUtf8_->isChecked();
}

bool OptionsDialog::handsOutputOn() const {
  return chkOutputAsInput_->isChecked();
}

void OptionsDialog::reject() {
  onCancelClicked();
}

void OptionsDialog::hideAndEnableMainWindow() {
  mainWindow_.setEnabled(true);
  hide();
}

void OptionsDialog::onOkClicked() {
  saveToStore();  // whatever "Save settings." says: OK is the user's explicit choice
  hideAndEnableMainWindow();
}

void OptionsDialog::onCancelClicked() {
  reloadFromStore();  // discards every change since the last OK
  hideAndEnableMainWindow();
}

void OptionsDialog::onResetClicked() {
  for (const setting_keys::Setting& setting : setting_keys::kUserSettings)
    WriteSetting(store_, setting, FactoryValue(setting));
  options_->showFactory(setting_keys::OnReset::Factory);
  emit resetRequested();
  presenter_.show(this, QString::fromLatin1(lumetra::kProgramName),
                  QStringLiteral("The settings are reset"), lumetra::MessageIcon::None);
  hideAndEnableMainWindow();
  emit resetFinished();
}
