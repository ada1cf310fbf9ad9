// Keys: every button, tab, check and option box of each window answers to its own Alt+letter,
// and the main window's keys work from any of its controls.
#include <QCheckBox>
#include <QDialog>
#include <QKeySequence>
#include <QMap>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "app/support/started_window.h"

namespace {

// The Alt+key of a caption, "" when it has none: "S&plit" gives Alt+P, "&&" is no mnemonic.
QString Mnemonic(const QString& caption) {
  return QKeySequence::mnemonic(caption).toString();
}

// Where a control is seen: on one tab page only (its page), or with every page (nullptr).
const QWidget* PageOf(const QWidget* control) {
  for (const QWidget* w = control; w->parentWidget() != nullptr; w = w->parentWidget())
    if (qobject_cast<const QStackedWidget*>(w->parentWidget()) &&
        qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget()))
      return w;
  return nullptr;
}

// "control: caption" of each clash and each control without a mnemonic; a window's controls
// that are seen together (those outside the tabs, the tab captions and one page) must differ.
QStringList MnemonicFaults(const QWidget& window) {
  QStringList faults;
  QMap<const QWidget*, QMap<QString, QString>> byPage;  // page -> key -> who
  const auto take = [&](const QWidget* page, const QString& who, const QString& caption) {
    const QString key = Mnemonic(caption);
    if (key.isEmpty())
      faults << who + ": no mnemonic in " + caption;
    else if (byPage[page].contains(key))
      faults << who + ": " + key + " also on " + byPage[page][key];
    else
      byPage[page][key] = who;
  };
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      take(nullptr, "tab " + QString::number(i), tabs->tabText(i));
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->window() != &window)
      continue;  // a secondary window is a child of the main window, but a window of its own
    if (qobject_cast<const QPushButton*>(button) || qobject_cast<const QCheckBox*>(button) ||
        qobject_cast<const QRadioButton*>(button))
      take(PageOf(button), button->objectName(), button->text());
  }
  // A page's keys are tried against those seen with every page.
  for (auto page = byPage.cbegin(); page != byPage.cend(); ++page) {
    if (page.key() == nullptr)
      continue;
    for (auto key = page->cbegin(); key != page->cend(); ++key)
      if (byPage[nullptr].contains(key.key()))
        faults << key.value() + ": " + key.key() + " also on " + byPage[nullptr][key.key()];
  }
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
    row("Ctrl+PgDn round the row", 6, QKeySequence(Qt::CTRL | Qt::Key_PageDown), "tab 0");
    row("Ctrl+Shift+Tab", 0, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), "tab 6");
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
