// frmOptions driven through the main window: opening, OK, Cancel, the close box and Reset.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"
#include "settings/setting_keys.h"

namespace {

const char* const kBoxes[] = {"chkOutputAsInput", "chkDeleteBronBestand", "chkSaveSettings",
                              "chkOutputFormatIsInputFormat"};

struct Fixture {
  explicit Fixture(const QString& general = QString())
      : store(QStringLiteral("[General]\nEersteKeer=1\n") + general) {
    window.formLoad();
    window.show();
    store.writes.clear();
  }
  QWidget& dialog() { return window.optionsDialog(); }
  QCheckBox* box(const char* name) { return Find<QCheckBox>(dialog(), name); }
  void press(const char* name) { Find<QPushButton>(dialog(), name)->click(); }
  void open() { Find<QPushButton>(window, "cmdOptions")->click(); }
  QString boxes() {
    QString values;
    for (const char* name : kBoxes)
      values += box(name)->isChecked() ? '1' : '0';
    return values;
  }

  TempIniStore store;
  RecordingPresenter presenter;
  MainWindow window{store, presenter};
};

int Selected(const QWidget& window, const char* list) {
  const QListWidget* widget = Find<QListWidget>(window, list);
  const auto items = widget->selectedItems();
  return items.isEmpty() ? -1 : widget->row(items.first());
}

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void opensOverADisabledMainWindow() {
    Fixture f(QStringLiteral("DeleteSource=1\n"));
    f.open();
    QCOMPARE(f.dialog().objectName(), QStringLiteral("frmOptions"));
    QVERIFY(f.dialog().isVisible());
    QVERIFY(f.dialog().isEnabled());
    QVERIFY(!f.window.isEnabled());
    QVERIFY(!f.dialog().isModal());
    QCOMPARE(f.dialog().windowTitle(), QStringLiteral("Lumetra 2.6 - Options - Written by Taviel"));
    QCOMPARE(f.boxes(), QStringLiteral("1111"));
    QCOMPARE(f.box("chkOutputFormatIsInputFormat")->text(),
             QStringLiteral("Auto set outputformat"));
  }

  void cancelRestoresTheStoredValues() {
    Fixture f(QStringLiteral("OutputAsInput=0\nSaveSettings=1\n"));
    f.open();
    f.box("chkOutputAsInput")->setChecked(true);
    f.box("chkSaveSettings")->setChecked(false);
    f.press("cmdCancel");
    QCOMPARE(f.boxes(), QStringLiteral("0011"));
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());
    QVERIFY(f.store.writes.empty());
  }

  void theCloseBoxDoesWhatCancelDoes() {
    Fixture f;
    f.open();
    f.box("chkDeleteBronBestand")->setChecked(true);
    QVERIFY(f.dialog().close());
    QCOMPARE(f.boxes(), QStringLiteral("1011"));
    QVERIFY(f.window.isEnabled());
    // Closed, the dialog is only hidden: the next opening finds it again.
    f.open();
    QVERIFY(f.dialog().isVisible());
  }

  void cancelWithBadOrMissingValuesShowsTheDefaults() {
    Fixture f(QStringLiteral("OutputAsInput=abc\nDeleteSource=7\n"));
    f.open();
    for (const char* name : kBoxes)
      f.box(name)->setChecked(!f.box(name)->isChecked());
    f.press("cmdCancel");
    QCOMPARE(f.boxes(), QStringLiteral("1011"));
  }

  void okWritesTheFourOptionsEvenWithSaveSettingsClear() {
    Fixture f;
    f.open();
    f.box("chkOutputAsInput")->setChecked(false);
    f.box("chkSaveSettings")->setChecked(false);
    f.press("cmdOk");
    QCOMPARE(f.store.writtenKeys(),
             (QStringList{"General/OutputAsInput", "General/DeleteSource", "General/SaveSettings",
                          "General/OutputFormatIsInputFormat"}));
    QCOMPARE(f.store.storedValue("General", "OutputAsInput"), QStringLiteral("0"));
    QCOMPARE(f.store.storedValue("General", "SaveSettings"), QStringLiteral("0"));
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());

    // OK then Cancel keeps what OK stored.
    f.open();
    f.box("chkOutputAsInput")->setChecked(true);
    f.press("cmdCancel");
    QCOMPARE(f.boxes(), QStringLiteral("0001"));
  }

  void resetWritesTheFactoryValuesAndClearsTheWindow() {
    Fixture f(QStringLiteral("OutputFormatIsInputFormat=0\n"));
    const QWidget& w = f.window;
    Find<QTabWidget>(w, "TabAction")->setCurrentIndex(3);
    Find<QListWidget>(w, "lstCurrentFrameRate")->setCurrentRow(0);
    Find<QListWidget>(w, "lstNewFrameRate")->setCurrentRow(4);
    Find<QLineEdit>(w, "txtNumberOfSegments")->setText(QStringLiteral("9"));
    Find<QRadioButton>(w, "optFrans")->setChecked(true);
    Find<QCheckBox>(w, "chkIl")->setChecked(false);
    Find<QScrollBar>(w, "HScroll1")->setValue(2500);
    Find<QLineEdit>(w, "txtBron")->setText(QStringLiteral("/nowhere/movie.srt"));
    Find<QLineEdit>(w, "txtLengteFilm")->setText(QStringLiteral("60"));
    Find<QLineEdit>(w, "txtCommentsCharacterbegin")->setText(QStringLiteral("("));
    Find<QRadioButton>(w, "optSubRip")->setChecked(true);
    f.open();
    f.box("chkDeleteBronBestand")->setChecked(true);
    f.box("chkOutputFormatIsInputFormat")->setChecked(false);
    bool dialogShownDuringMessage = false;
    f.presenter.onShow = [&](const RecordingPresenter::Shown&) {
      dialogShownDuringMessage = f.dialog().isVisible() && !f.window.isEnabled();
    };
    f.press("cmdResetOptions");

    QStringList expectedKeys;
    for (const auto& key : setting_keys::kResetOrder) {
      expectedKeys << QStringLiteral("%1/%2").arg(key.section, key.name);
    }
    QCOMPARE(f.store.writtenKeys(), expectedKeys);
    QCOMPARE(f.store.storedValue("Settings", "Correct-?./!."), QStringLiteral("1"));
    QCOMPARE(f.store.storedValue("Settings", "Guess-correction"), QStringLiteral("4"));
    QCOMPARE(f.store.storedValue("Settings", "Folder"), setting_keys::DefaultFolder());
    QCOMPARE(f.store.storedValue("General", "OutputFormatIsInputFormat"), QStringLiteral("1"));

    QCOMPARE(f.presenter.messages.size(), std::size_t(1));
    QCOMPARE(f.presenter.messages[0].text, QStringLiteral("The settings are reset"));
    QCOMPARE(f.presenter.messages[0].title, QStringLiteral("Lumetra"));
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::None);
    QVERIFY(dialogShownDuringMessage);

    QCOMPARE(f.boxes(), QStringLiteral("1011"));
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());
    QCOMPARE(Find<QTabWidget>(w, "TabAction")->currentIndex(), 0);
    QCOMPARE(Selected(w, "lstCurrentFrameRate"), 2);
    QCOMPARE(Selected(w, "lstNewFrameRate"), 2);
    QCOMPARE(Find<QLineEdit>(w, "txtFrames")->text(), QStringLiteral("180000"));
    QCOMPARE(Find<QLineEdit>(w, "txtSec")->text(), QStringLiteral("7200"));
    QCOMPARE(Find<QLineEdit>(w, "txtNumberOfSegments")->text(), QStringLiteral("2"));
    QVERIFY(Find<QRadioButton>(w, "optEngels")->isChecked());
    QVERIFY(Find<QCheckBox>(w, "chkIl")->isChecked());
    QCOMPARE(Find<QScrollBar>(w, "HScroll1")->value(), 0);
    QCOMPARE(Find<QLineEdit>(w, "txtSynchronize")->text(), QStringLiteral("0 sec"));
    QCOMPARE(Find<QLineEdit>(w, "txtBron")->text(), QString());
    QCOMPARE(Find<QLabel>(w, "lblInputFileInformation")->text(),
             QStringLiteral("No subtitle selected."));
    QCOMPARE(Find<QLineEdit>(w, "txtLengteFilm")->text(), QStringLiteral("7200"));
    QCOMPARE(Selected(w, "lstGuessCorrection"), 4);
    QVERIFY(Find<QRadioButton>(w, "optMicroDVD")->isChecked());
    // Fields the reset leaves alone keep what they show.
    QCOMPARE(Find<QLineEdit>(w, "txtCommentsCharacterbegin")->text(), QStringLiteral("("));
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
