#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "settings/setting_keys.h"

class SettingsStore;
class QWidget;

// The user settings whose controls are in one window, bound to them through the settings
// table. A control shows its setting as the store keeps it: a tab index, a list position, a
// scroll value, "1" or "0" for a check box, the text of a text box, the word of an option pair.
class SettingsBinding {
 public:
  // Binds every setting of the table whose control lies inside `window`.
  explicit SettingsBinding(const QWidget& window);

  // What a stored text that does not fit its control (not a number, out of range) does.
  enum class Unfit { KeepShown, ShowFactory };
  // Every control from the store, in table order; each setting runs its control's handler.
  void restore(const SettingsStore& store, Unfit unfit) const;
  // Every control's value into the store, in table order.
  void save(SettingsStore& store) const;
  // The factory value on every control that Reset treats as `when`, in table order.
  void showFactory(setting_keys::OnReset when) const;
  void showFactory(const setting_keys::Setting& setting) const;

 private:
  struct Bound {
    const setting_keys::Setting* setting;
    QWidget* control;
    QWidget* other;  // the second button of an option pair
    QWidget* third;  // a third button, if the option has one
  };
  // False when the text does not fit the control, which then keeps what it shows.
  bool show(const Bound& bound, const QString& text) const;
  // The text to store; nullopt for an option pair with neither button selected.
  std::optional<QString> shown(const Bound& bound) const;

  std::vector<Bound> bound_;
};
