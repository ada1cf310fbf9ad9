// Keys: every button, tab, check and option box of each window answers to its own Alt+letter,
// and the main window's keys work from any of its controls.
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

// Where a control is seen: on one tab page only (its page), or with every page (nullptr).
const QWidget* PageOf(const QWidget* control) {
  for (const QWidget* w = control; w->parentWidget() != nullptr; w = w->parentWidget())
    if (qobject_cast<const QStackedWidget*>(w->parentWidget()) &&
        qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget()))
      return w;
  return nullptr;
}

// The captions without a mnemonic ("S&plit" has Alt+P, "&&" none) or with one that another
// control seen at the same time (outside the tabs, a tab caption, or on the same page) has.
QStringList MnemonicFaults(const QWidget& window) {
  QList<QPair<const QWidget*, QString>> controls;  // page, caption
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      controls.append({nullptr, tabs->tabText(i)});
  QSet<const QWidget*> pages{nullptr};
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    // A secondary window is a child of the main window, but a window of its own; the tab
    // bar's scroll arrows have no caption.
    if (button->window() == &window && !button->inherits("QToolButton")) {
      controls.append({PageOf(button), button->text()});
      pages.insert(PageOf(button));
    }
  }
  // A label's mnemonic is optional, but one it has must be its own too.
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->window() == &window && label->buddy() != nullptr &&
        !QKeySequence::mnemonic(label->text()).isEmpty()) {
      controls.append({PageOf(label), label->text()});
      pages.insert(PageOf(label));
    }
  QStringList faults;
  for (const QWidget* page : pages) {
    QStringList seen;
    for (const auto& [where, caption] : controls) {
      const QString key = QKeySequence::mnemonic(caption).toString();
      if (where != nullptr && where != page)
        continue;
      if (key.isEmpty() || seen.contains(key))
        faults << caption;
      seen << key;
    }
  }
  faults.removeDuplicates();
  return faults;
}

}  // namespace

class ShortcutsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowHasItsOwnMnemonics_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QString();
    QTest::newRow("options") << QStringLiteral("cmdOptions");
    QTest::newRow("open dialog") << QStringLiteral("cmdBronZoeken");
    QTest::newRow("about") << QStringLiteral("cmdOver");
  }
  void everyWindowHasItsOwnMnemonics() {
    QFETCH(QString, window);
    StartedWindow f;
    const QWidget* shown = &f.window;
    if (!window.isEmpty()) {
      f.press(qPrintable(window));
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &f.window && top->isVisible() && top->objectName().startsWith("frm"))
          shown = top;
    }
    QVERIFY(shown != &f.window || window.isEmpty());
    const QStringList faults = MnemonicFaults(*shown);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
  }

  // The keys, pressed with the focus in a text box of the Split tab or on the tab shown.
  void keysWorkFromAnyControl_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("result");
    const auto row = [](const char* name, int tab, const QKeySequence& keys, const char* result) {
      QTest::newRow(name) << tab << keys << QString(result);
    };
    row("Ctrl+Tab", 0, QKeySequence(Qt::CTRL | Qt::Key_Tab), "tab 1");
    row("Ctrl+PgDn round the row", 7, QKeySequence(Qt::CTRL | Qt::Key_PageDown), "tab 0");
    row("Ctrl+Shift+Tab", 0, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), "tab 7");
    row("Ctrl+PgUp", 3, QKeySequence(Qt::CTRL | Qt::Key_PageUp), "tab 2");
    row("Ctrl+Enter runs the tab's operation", 6, QKeySequence(Qt::CTRL | Qt::Key_Return),
        "tab 6;Lumetra 2.6 - Written by Taviel|2|Select a subtitle!");
    row("F1 About", 0, QKeySequence(Qt::Key_F1), "tab 0;frmAbout");
    row("Ctrl+O open dialog", 0, QKeySequence(Qt::CTRL | Qt::Key_O),
        "tab 0;frmLumetraBestandOpenen");
    row("Ctrl+Q Exit", 0, QKeySequence(Qt::CTRL | Qt::Key_Q), "tab 0;closed");
  }
  void keysWorkFromAnyControl() {
    QFETCH(int, tab);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, result);
    StartedWindow f;
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto* tabs = f.find<QTabWidget>("TabAction");
    tabs->setCurrentIndex(tab);
    QWidget* focus = tab == 0 ? static_cast<QWidget*>(f.find<QLineEdit>("txtSec")) : tabs;
    focus->setFocus();
    QTest::keySequence(f.window.windowHandle(), keys);
    QStringList seen{"tab " + QString::number(tabs->currentIndex())};
    seen << f.presenter.shown();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top != &f.window && top->isVisible() && !top->objectName().isEmpty())
        seen << top->objectName();
    if (!f.window.isVisible())
      seen << "closed";
    QCOMPARE(seen.join(';'), result);
  }
};

QTEST_MAIN(ShortcutsTest)
#include "shortcuts_test.moc"
