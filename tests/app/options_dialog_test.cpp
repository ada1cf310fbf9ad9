// frmOptions driven through the main window: opening, OK, Cancel, the close box and Reset.
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "app/options_dialog.h"
#include "app/support/started_window.h"
#include "settings/settings_access.h"

namespace {

const char* const kBoxes[] = {"chkOutputAsInput", "chkDeleteBronBestand", "chkSaveSettings",
                              "chkOutputFormatIsInputFormat"};

struct OptionsWindow : StartedWindow {
  explicit OptionsWindow(const QString& general = QString()) : StartedWindow(kWelcomed + general) {
    store.written.clear();
  }
  QWidget& dialog() { return window.optionsDialog(); }
  QCheckBox* box(const char* name) { return Find<QCheckBox>(dialog(), name); }
  void pressInDialog(const char* name) { Find<QPushButton>(dialog(), name)->click(); }
  void open() { press("cmdOptions"); }
  QString boxes() {
    QString values;
    for (const char* name : kBoxes)
      values += box(name)->isChecked() ? '1' : '0';
    return values;
  }
};

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOverADisabledMainWindow() {
    OptionsWindow f(QStringLiteral("DeleteSource=1\n"));
    f.open();
    QCOMPARE(f.dialog().objectName(), QStringLiteral("frmOptions"));
    QVERIFY(f.dialog().isVisible() && f.dialog().isEnabled() && !f.dialog().isModal());
    QVERIFY(!f.window.isEnabled());
    QCOMPARE(f.dialog().windowTitle(), QStringLiteral("Lumetra 2.6 - Options - Written by Taviel"));
    QCOMPARE(f.boxes(), QStringLiteral("1111"));
    QCOMPARE(f.box("chkOutputFormatIsInputFormat")->text(),
             QStringLiteral("Auto set outputformat"));
  }

  // Cancel and the close box reload the stored values; a value that is not a whole number
  // reads as the default.
  void leavingWithoutOkRestoresTheStoredValues_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cancel") << "OutputAsInput=0\nSaveSettings=1\n" << false << "0011";
    QTest::newRow("close box") << "" << true << "1011";
    QTest::newRow("bad values") << "OutputAsInput=abc\nDeleteSource=7\n" << false << "1011";
  }
  void leavingWithoutOkRestoresTheStoredValues() {
    QFETCH(QString, stored);
    QFETCH(bool, closeBox);
    QFETCH(QString, expected);
    OptionsWindow f(stored);
    f.open();
    for (const char* name : kBoxes)
      f.box(name)->setChecked(!f.box(name)->isChecked());
    if (closeBox)
      QVERIFY(f.dialog().close());
    else
      f.pressInDialog("cmdCancel");
    QCOMPARE(f.boxes(), expected);
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());
    QVERIFY(f.store.written.isEmpty());
    f.open();  // only hidden: the next opening finds it again
    QVERIFY(f.dialog().isVisible());
  }

  void okWritesTheFourOptionsEvenWithSaveSettingsClear() {
    OptionsWindow f;
    f.open();
    f.box("chkOutputAsInput")->setChecked(false);
    f.box("chkSaveSettings")->setChecked(false);
    f.pressInDialog("cmdOk");
    QCOMPARE(f.store.written,
             (QStringList{"General/OutputAsInput", "General/DeleteSource", "General/SaveSettings",
                          "General/OutputFormatIsInputFormat"}));
    QCOMPARE(f.store.storedValue("General", "OutputAsInput"), QStringLiteral("0"));
    QCOMPARE(f.store.storedValue("General", "SaveSettings"), QStringLiteral("0"));
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());

    // OK then Cancel keeps what OK stored.
    f.open();
    f.box("chkOutputAsInput")->setChecked(true);
    f.pressInDialog("cmdCancel");
    QCOMPARE(f.boxes(), QStringLiteral("0001"));
  }

  void resetWritesTheFactoryValuesAndClearsTheWindow() {
    OptionsWindow f(QStringLiteral("OutputFormatIsInputFormat=0\n"));
    f.find<QTabWidget>("TabAction")->setCurrentIndex(3);
    f.find<QListWidget>("lstCurrentFrameRate")->setCurrentRow(0);
    f.find<QListWidget>("lstNewFrameRate")->setCurrentRow(4);
    f.set("txtNumberOfSegments", QStringLiteral("9"));
    f.find<QRadioButton>("optFrans")->setChecked(true);
    f.find<QCheckBox>("chkIl")->setChecked(false);
    f.find<QScrollBar>("HScroll1")->setValue(2500);
    f.set("txtBron", QStringLiteral("/nowhere/movie.srt"));
    f.set("txtLengteFilm", QStringLiteral("60"));
    f.set("txtCommentsCharacterbegin", QStringLiteral("("));
    f.find<QRadioButton>("optSubRip")->setChecked(true);
    f.open();
    f.box("chkDeleteBronBestand")->setChecked(true);
    f.box("chkOutputFormatIsInputFormat")->setChecked(false);
    bool dialogShownDuringMessage = false;
    f.presenter.onShow = [&](const RecordingPresenter::Shown&) {
      dialogShownDuringMessage = f.dialog().isVisible() && !f.window.isEnabled();
    };
    f.pressInDialog("cmdResetOptions");

    QCOMPARE(f.store.written,
             (QStringList{"Settings/LastAction",           "Settings/SourceFramerate",
                          "Settings/DestinationFrameRate", "Settings/SegmentSize",
                          "Settings/NumberOfSegments",     "Settings/Language",
                          "General/OutputAsInput",         "General/DeleteSource",
                          "General/SaveSettings",          "General/OutputFormatIsInputFormat",
                          "Settings/Synchronize",          "Settings/Folder",
                          "Settings/Correct-I/l",          "Settings/Correct-quotes",
                          "Settings/Correct-?./!.",        "Settings/Correct-Numbers",
                          "Settings/OutputFormat",         "Settings/Guess-movielength",
                          "Settings/Guess-correction",     "Settings/Begin-character",
                          "Settings/End-character"}));
    QCOMPARE(f.store.storedValue("Settings", "Correct-?./!."), QStringLiteral("1"));
    QCOMPARE(f.store.storedValue("Settings", "Guess-correction"), QStringLiteral("4"));
    QCOMPARE(f.store.storedValue("Settings", "Folder"), DefaultFolder());
    QCOMPARE(f.store.storedValue("General", "OutputFormatIsInputFormat"), QStringLiteral("1"));

    QCOMPARE(f.presenter.texts(), QStringList{"The settings are reset"});
    QCOMPARE(f.presenter.messages[0].title, QStringLiteral("Lumetra"));
    QCOMPARE(f.presenter.messages[0].icon, lumetra::MessageIcon::None);
    QVERIFY(dialogShownDuringMessage);

    QCOMPARE(f.boxes(), QStringLiteral("1011"));
    QVERIFY(!f.dialog().isVisible());
    QVERIFY(f.window.isEnabled());
    const QStringList shown = {"TabAction=0", "lstCurrentFrameRate=2", "lstNewFrameRate=2",
                               "txtFrames=180000", "txtSec=7200", "txtNumberOfSegments=2",
                               "optEngels=1", "chkIl=1", "HScroll1=0", "txtSynchronize=0 sec",
                               "txtBron=", "lblInputFileInformation=No subtitle selected.",
                               "txtLengteFilm=7200", "lstGuessCorrection=4", "optMicroDVD=1",
                               // Fields the reset leaves alone keep what they show.
                               "txtCommentsCharacterbegin=("};
    QCOMPARE(States(f.window, shown), shown);
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
