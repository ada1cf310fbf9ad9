#include "app/settings_binding.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <cstring>

#include "app/position_list.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

namespace {

QWidget* ControlNamed(const QWidget& window, const char* name) {
  return name != nullptr ? window.findChild<QWidget*>(QLatin1String(name)) : nullptr;
}

// A 16-bit number within [low, high].
std::optional<int> InRange(const QString& text, int low, int high) {
  const auto value = ToInt16(text);
  if (!value || *value < low || *value > high)
    return std::nullopt;
  return value;
}

}  // namespace

SettingsBinding::SettingsBinding(const QWidget& window) {
  for (const keys::Setting& setting : keys::kUserSettings) {
    if (QWidget* control = ControlNamed(window, setting.control))
      bound_.push_back({&setting, control, ControlNamed(window, setting.otherControl),
                        ControlNamed(window, setting.thirdControl)});
  }
}

bool SettingsBinding::show(const Bound& bound, const QString& text) const {
  QWidget* control = bound.control;
  if (bound.other != nullptr) {
    const bool other = text == QLatin1String(bound.setting->otherWord);
    const bool third = bound.third != nullptr && text == QLatin1String(bound.setting->thirdWord);
    qobject_cast<QAbstractButton*>(third   ? bound.third
                                   : other ? bound.other
                                           : control)
        ->setChecked(true);
    return true;
  }
  if (auto* box = qobject_cast<QLineEdit*>(control)) {
    box->setText(text);
    return true;
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
    const auto index = InRange(text, 0, tabs->count() - 1);
    if (index)
      tabs->setCurrentIndex(*index);
    return index.has_value();
  }
  if (auto* list = qobject_cast<QListWidget*>(control)) {
    const auto position = InRange(text, 0, list->count() - 1);
    if (position)
      SelectPosition(list, *position);
    return position.has_value();
  }
  if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
    const auto value = InRange(text, slider->minimum(), slider->maximum());
    if (value)
      slider->setValue(*value);
    return value.has_value();
  }
  const auto check = InRange(text, 0, 1);
  if (check)
    qobject_cast<QAbstractButton*>(control)->setChecked(*check == 1);
  return check.has_value();
}

std::optional<QString> SettingsBinding::shown(const Bound& bound) const {
  const QWidget* control = bound.control;
  if (bound.other != nullptr) {
    if (qobject_cast<const QAbstractButton*>(control)->isChecked())
      return QString::fromUtf8(bound.setting->factory);
    if (qobject_cast<const QAbstractButton*>(bound.other)->isChecked())
      return QString::fromUtf8(bound.setting->otherWord);
    if (bound.third != nullptr && qobject_cast<const QAbstractButton*>(bound.third)->isChecked())
      return QString::fromUtf8(bound.setting->thirdWord);
    return std::nullopt;
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(control))
    return box->text();
  if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
    return QString::number(tabs->currentIndex());
  if (const auto* list = qobject_cast<const QListWidget*>(control))
    return QString::number(SelectedPosition(list));
  if (const auto* slider = qobject_cast<const QAbstractSlider*>(control))
    return QString::number(slider->value());
  return qobject_cast<const QAbstractButton*>(control)->isChecked() ? QStringLiteral("1")
                                                                    : QStringLiteral("0");
}

void SettingsBinding::restore(const SettingsStore& store, Unfit unfit) const {
  for (const Bound& bound : bound_) {
    if (!show(bound, ReadSetting(store, *bound.setting)) && unfit == Unfit::ShowFactory)
      show(bound, FactoryValue(*bound.setting));
  }
}

void SettingsBinding::save(SettingsStore& store) const {
  for (const Bound& bound : bound_) {
    if (const auto text = shown(bound))
      WriteSetting(store, *bound.setting, *text);
  }
}

void SettingsBinding::showFactory(keys::OnReset when) const {
  for (const Bound& bound : bound_) {
    if (bound.setting->onReset == when)
      show(bound, FactoryValue(*bound.setting));
  }
}

void SettingsBinding::showFactory(const keys::Setting& setting) const {
  for (const Bound& bound : bound_) {
    if (std::strcmp(bound.setting->key, setting.key) == 0)
      show(bound, FactoryValue(setting));
  }
}
