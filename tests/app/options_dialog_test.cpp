// frmOptions driven through the main window: opening, OK, Cancel, the close box and Reset.
#include <QCheckBox>
#include <QtTest>

#include "app/options_dialog.h"
#include "app/support/started_window.h"
#include "settings/settings_access.h"

namespace {

struct OptionsWindow : StartedWindow {
  explicit OptionsWindow(const QString& general = QString()) : StartedWindow(kWelcomed + general) {
    store.written.clear();
  }
  QWidget& dialog() { return window.optionsDialog(); }
  void pressInDialog(const char* name) { Find<QPushButton>(dialog(), name)->click(); }
  // The four check boxes, "1" checked: output as input, delete source, save settings, auto
  // set output format.
  QString boxes() {
    QString values;
    for (const char* name : {"chkOutputAsInput", "chkDeleteBronBestand", "chkSaveSettings",
                             "chkOutputFormatIsInputFormat"})
      values += State(dialog(), name);
    return values;
  }
};

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The dialog opens over a disabled main window. Cancel and the close box reload the stored
  // values; a value that is not a whole number reads as the factory one. The dialog is only
  // hidden.
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
    f.press("cmdOptions");
    QCOMPARE(f.dialog().windowTitle(), QStringLiteral("Lumetra 2.6 - Options - Written by Taviel"));
    QVERIFY(f.dialog().isVisible() && f.dialog().isEnabled() && !f.window.isEnabled());
    SetStates(f.dialog(),
              "chkOutputAsInput=0;chkDeleteBronBestand=1;chkSaveSettings=0;"
              "chkOutputFormatIsInputFormat=0");
    if (closeBox)
      QVERIFY(f.dialog().close());
    else
      f.pressInDialog("cmdCancel");
    QCOMPARE(f.boxes(), expected);
    QVERIFY(!f.dialog().isVisible() && f.window.isEnabled());
    QVERIFY(f.store.written.isEmpty());
    f.press("cmdOptions");
    QVERIFY(f.dialog().isVisible());
  }

  void okStoresTheFiveOptionsEvenWithSaveSettingsClear() {
    OptionsWindow f;
    f.press("cmdOptions");
    SetStates(f.dialog(), "chkOutputAsInput=0;chkSaveSettings=0");
    f.pressInDialog("cmdOk");
    QCOMPARE(f.store.written.size(), 5);
    QCOMPARE(f.store.storedValue("General", "OutputAsInput"), QStringLiteral("0"));
    QCOMPARE(f.store.storedValue("General", "WriteUtf8"), QStringLiteral("0"));
    QCOMPARE(f.store.storedValue("General", "SaveSettings"), QStringLiteral("0"));
    QVERIFY(!f.dialog().isVisible() && f.window.isEnabled());
    // OK then Cancel keeps what OK stored.
    f.press("cmdOptions");
    SetStates(f.dialog(), "chkOutputAsInput=1");
    f.pressInDialog("cmdCancel");
    QCOMPARE(f.boxes(), QStringLiteral("0001"));
  }

  void resetStoresTheFactoryValuesAndClearsTheWindow() {
    OptionsWindow f(QStringLiteral("OutputFormatIsInputFormat=0\n"));
    SetStates(f.window,
              "TabAction=3;lstCurrentFrameRate=0;lstNewFrameRate=4;txtNumberOfSegments=9;"
              "optFrans=1;chkIl=0;HScroll1=2500;txtBron=/nowhere/movie.srt;txtLengteFilm=60;"
              "txtCommentsCharacterbegin=(;optSubRip=1");
    f.press("cmdOptions");
    SetStates(f.dialog(), "chkDeleteBronBestand=1;chkOutputFormatIsInputFormat=0");
    QString behindTheMessage;
    f.presenter.onShow = [&](const RecordingPresenter::Shown&) {
      behindTheMessage = State(f.window, "optSubRip") + QString::number(f.dialog().isVisible()) +
                         QString::number(f.window.isEnabled());
    };
    f.pressInDialog("cmdResetOptions");
    QCOMPARE(f.presenter.shown(), QStringList{"Lumetra|0|The settings are reset"});
    QCOMPARE(behindTheMessage, QStringLiteral("110"));  // SubRip until the message is gone

    QCOMPARE(f.store.written.size(), 28);
    QCOMPARE(f.store.storedValue("Settings", "Correct-?./!."), QStringLiteral("1"));
    QCOMPARE(f.store.storedValue("Settings", "Guess-correction"), QStringLiteral("4"));
    QCOMPARE(f.store.storedValue("Settings", "Begin-character"), QStringLiteral("["));
    QCOMPARE(f.store.storedValue("Settings", "Folder"), DefaultFolder());
    QCOMPARE(f.store.storedValue("General", "OutputFormatIsInputFormat"), QStringLiteral("1"));
    QCOMPARE(f.boxes(), QStringLiteral("1011"));
    QVERIFY(!f.dialog().isVisible() && f.window.isEnabled());
    // The comment characters keep what they show.
    const QStringList shown = Entries(
        "TabAction=0;lstCurrentFrameRate=2;lstNewFrameRate=2;txtFrames=180000;txtSec=7200;"
        "txtNumberOfSegments=2;optEngels=1;chkIl=1;HScroll1=0;txtSynchronize=0 sec;txtBron=;"
        "lblInputFileInformation=No subtitle selected.;txtLengteFilm=7200;lstGuessCorrection=4;"
        "optMicroDVD=1;txtCommentsCharacterbegin=(");
    QCOMPARE(States(f.window, shown), shown);
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
