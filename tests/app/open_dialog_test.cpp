// frmLumetraBestandOpenen opened from the main window's "..." button: the start folder, the
// drive and folder lists, and what choosing a file, there or by dropping it on the main
// window, does to the main window.
#include <QComboBox>
#include <QDir>
#include <QMimeData>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "app/drive_list.h"
#include "app/folder_list.h"
#include "app/support/started_window.h"

namespace {
const QString kNotSubtitle =
    "Lumetra|2|The selected file is not a subtitle (or is an unknown format)";
const QString kUntouched = "txtBron=/earlier/choice.sub;lblInputFileInformation=No file selected.";
}  // namespace

class OpenDialogTest : public QObject {
  Q_OBJECT

  QWidget* dialog() const { return f_->window.findChild<QWidget*>("frmLumetraBestandOpenen"); }
  template <typename W>
  W* control(const char* name) const {
    return Find<W>(*dialog(), name);
  }
  FolderList* folders() const { return control<FolderList>("Dir1"); }
  QString fileName() const { return control<QLineEdit>("txtBestandsnaam")->text(); }
  QString path(const QString& name) const { return f_->dir.filePath(name); }
  void useFolder(const QString& name) { f_->store.write("Settings", "Folder", path(name) + "/"); }
  QString folder() const { return f_->store.read("Settings", "Folder", "<none>"); }
  void open() { f_->press("cmdBronZoeken"); }
  void pick(const QString& name) {
    const auto found = control<QListWidget>("File1")->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name + " is not listed"));
    control<QListWidget>("File1")->setCurrentItem(found.first());
    QCOMPARE(fileName(), name);
  }
  void click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
  }
  void expectWindow(const QString& entries) {
    const QStringList expected = Entries(qPrintable(entries));
    QCOMPARE(States(f_->window, expected), expected);
  }

  QTemporaryDir home_;
  QByteArray realHome_;
  std::unique_ptr<StartedWindow> f_;

 private slots:
  void initTestCase() {
    // The dialog's default start is the home folder; never the real user's.
    realHome_ = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home_.path()));
  }
  void cleanupTestCase() { qputenv("HOME", realHome_); }
  void init() {
    // One volume, the root: no test depends on what the host has mounted.
    SetVolumeSourceForTesting([] { return QList<Volume>{{"File System (/)", "/"}}; });
    f_ = std::make_unique<StartedWindow>();
    QVERIFY(QDir(f_->dir.path()).mkpath("movies/subs"));
    f_->set("txtBron", "/earlier/choice.sub");
  }
  void cleanup() {
    f_.reset();
    SetVolumeSourceForTesting(nullptr);
  }

  void startFolderFallsBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder gone, its volume's root") << "/lumetra-test-gone/subs/" << QString("/");
    QTest::newRow("media not mounted, home") << "/media/lumetra-test-disc/subs/" << home_.path();
    QTest::newRow("not a path, home") << "c:\\films\\" << home_.path();
  }
  void startFolderFallsBack() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    f_->store.write("Settings", "Folder", stored);
    open();
    QCOMPARE(folders()->path(), expected);
    QVERIFY(f_->presenter.messages.empty());
  }

  // An accepted file becomes the input; with "Auto set outputformat" on, the output format
  // is preset to the input's, or to the other one on the Convert tab (5). A file of no known
  // format is refused (the detection's own tests have every way), and the dialog stays open
  // over the untouched main window.
  void choosingAFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("autoSet");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");  // %1: the file's path
    const QByteArray sub = "{1}{25}Hello\r\n{30}{50}World\r\n";
    const QByteArray srt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n";
    const QString microDvd = "txtBron=%1;lblInputFileInformation=MicroDVD subtitle;";
    const QString subRip = "txtBron=%1;lblInputFileInformation=SubRip subtitle;";
    const auto row = [](const char* name, const QByteArray& bytes, int tab, const char* autoSet,
                        bool doubleClick, const QString& message, const QString& shown) {
      QTest::newRow(name) << bytes << tab << QString(autoSet) << doubleClick << message << shown;
    };
    row("MicroDVD on Split", sub, 0, "1", false, "", microDvd + "optMicroDVD=1");
    row("SubRip by double click", srt, 0, "1", true, "", subRip + "optSubRip=1");
    row("SubRip on Convert", srt, 5, "1", false, "", subRip + "optMicroDVD=1");
    row("SubRip, preset off", srt, 0, "0", false, "", subRip + "optMicroDVD=1");
    row("not a subtitle", "Shopping list\r\n", 5, "1", false, kNotSubtitle, kUntouched);
    // A rate the file declares becomes the input rate, and the information says so.
    const QString declaring = "{1}{1}23.976\r\n{25}{50}Hi\r\n";
    const QByteArray utf16 =
        "\xFF\xFE" + QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(declaring));
    row("UTF-16 MicroDVD declaring 23.976", utf16, 0, "1", false, "",
        "txtBron=%1;lblInputFileInformation=MicroDVD subtitle (UTF-16, 23.976 fps);"
        "lstCurrentFrameRate=0;lstConvertFrameRate=0");
  }
  void choosingAFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, tab);
    QFETCH(QString, autoSet);
    QFETCH(bool, doubleClick);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    const QString file = f_->file("movies/film.txt", bytes);
    useFolder("movies");
    f_->store.write("General", "OutputFormatIsInputFormat", autoSet);
    f_->find<QTabWidget>("TabAction")->setCurrentIndex(tab);
    open();
    auto* files = control<QListWidget>("File1");
    if (doubleClick) {
      emit files->itemActivated(files->item(0));
    } else {
      pick("film.txt");
      click("cmdOk");
    }
    QCOMPARE(f_->presenter.shown(), message.isEmpty() ? QStringList() : QStringList{message});
    expectWindow(shown.arg(file));
    QCOMPARE(f_->window.isEnabled(), message.isEmpty());
    QCOMPARE(dialog()->isVisible(), !message.isEmpty());
  }

  // A file dropped on the main window is taken as if chosen here; anything but one file is
  // refused.
  void droppingOnTheMainWindow_data() {
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("MicroDVD on Convert") << QStringList{"film.sub"} << QString();
    QTest::newRow("not a subtitle") << QStringList{"notes.txt"} << kNotSubtitle;
    QTest::newRow("two files") << QStringList{"film.sub", "notes.txt"}
                               << "Lumetra|2|Drop one subtitle at a time.";
    QTest::newRow("a folder") << QStringList{"movies"}
                              << "Lumetra|2|Drop a subtitle file, not a folder.";
  }
  void droppingOnTheMainWindow() {
    QFETCH(QStringList, dropped);
    QFETCH(QString, refusal);
    f_->file("film.sub", "{1}{25}Hello\r\n{30}{50}World\r\n");
    f_->file("notes.txt", "Shopping list\r\n");
    f_->find<QTabWidget>("TabAction")->setCurrentIndex(5);
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : dropped)
      urls << QUrl::fromLocalFile(path(name));
    data.setUrls(urls);
    QDragEnterEvent enter({9, 9}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop({9, 9}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(QCoreApplication::sendEvent(&f_->window, &enter) && enter.isAccepted());
    QCoreApplication::sendEvent(&f_->window, &drop);
    QCoreApplication::processEvents();
    QCOMPARE(f_->presenter.shown(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    expectWindow(refusal.isEmpty() ? "txtBron=" + path("film.sub") +
                                         ";lblInputFileInformation=MicroDVD subtitle;optSubRip=1"
                                   : kUntouched);
  }

  // The folder is stored at Open, even for a file then refused, while settings are saved.
  void folderIsRememberedOnlyWhenSettingsAreSaved() {
    f_->file("movies/subs/notes.txt", "plain");
    for (const char* saveSettings : {"1", "0"}) {
      f_->store.write("General", "SaveSettings", saveSettings);
      useFolder("movies");
      open();
      // Walk down into "subs" as the user does: activate its entry in the folder list.
      const QList<QListWidgetItem*> entries = folders()->findItems("subs", Qt::MatchEndsWith);
      QCOMPARE(entries.size(), 1);
      emit folders()->itemActivated(entries.first());
      pick("notes.txt");
      click("cmdOk");
      QCOMPARE(folder(), path(QString(saveSettings) == "1" ? "movies/subs/" : "movies/"));
      click("cmdCancel");
    }
  }

  // The dialog opens over a disabled main window at the stored folder, listing every file. A
  // changed folder clears the file name; Open without a name asks for one and stores no
  // folder. At the root, folder and name still make one path.
  void openNeedsAFileName() {
    f_->file("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
    f_->file("movies/notes.txt", "x");
    useFolder("movies");
    open();
    QCOMPARE(dialog()->windowTitle(), QString("Lumetra 2.6 - Open Subtitle - Written by Taviel"));
    QVERIFY(dialog()->isVisible() && dialog()->isEnabled() && !f_->window.isEnabled());
    QCOMPARE(control<QListWidget>("File1")->count(), 2);  // every file, no pattern
    pick("film.sub");
    folders()->setPath(path("movies/subs"));
    QVERIFY(fileName().isEmpty());
    QCOMPARE(control<QListWidget>("File1")->count(), 0);
    click("cmdOk");
    QCOMPARE(folder(), path("movies/"));
    folders()->setPath("/");
    control<QLineEdit>("txtBestandsnaam")->setText("lumetra-test-missing.srt");
    click("cmdOk");
    QCOMPARE(folder(), QString("/"));
    QCOMPARE(f_->presenter.shown(),
             (QStringList{"Lumetra|2|Select a subtitle!",
                          "Lumetra 2.6|2|An error has occurred!\r\rError 53 : File not found "
                          "(reading /lumetra-test-missing.srt)"}));
    QVERIFY(dialog()->isVisible());
  }

  // Cancel and Escape hide the dialog for the next use, the close box discards it; all keep
  // the input and enable the main window. Reopened, it shows no file name.
  void leavingWithoutAFile_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Cancel", "Escape", "close box"})
      QTest::newRow(way) << QString(way);
  }
  void leavingWithoutAFile() {
    QFETCH(QString, way);
    const bool closeBox = way == "close box";
    f_->file("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
    useFolder("movies");
    open();
    QPointer<QWidget> first = dialog();
    pick("film.sub");
    if (closeBox)
      QVERIFY(first->close());
    else if (way == "Escape")
      QTest::keyClick(control<QListWidget>("File1"), Qt::Key_Escape);
    else
      click("cmdCancel");
    expectWindow(kUntouched);
    QVERIFY(f_->window.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(first.isNull(), closeBox);
    open();
    QCOMPARE(dialog() == first.data(), !closeBox);
    QCOMPARE(folders()->path(), path("movies"));
    QVERIFY(fileName().isEmpty() && !f_->window.isEnabled());
  }

  // A read-only disc and an empty drive are refused and the list goes back; another volume is
  // browsed from its root, and each volume keeps its own folder.
  void drives() {
    const QString disc = path("disc"), card = path("card"), stick = path("stick");
    QVERIFY(QDir(f_->dir.path()).mkpath("disc") && QDir(f_->dir.path()).mkpath("stick/subs"));
    f_->file("stick/subs/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
    SetVolumeSourceForTesting([&] {
      return QList<Volume>{{"File System (/)", "/", true, false},
                           {"DVD", disc, true, true},
                           {"Card (" + card + ")", card, false, false},
                           {"Stick", stick, true, false}};
    });
    useFolder("movies");
    open();
    auto* drives = control<QComboBox>("Drive1");
    for (int refused : {1, 2}) {
      drives->setCurrentIndex(refused);
      QCOMPARE(drives->currentIndex(), 0);
    }
    QCOMPARE(f_->presenter.shown(),
             (QStringList{"Lumetra|2|This drive is read-only!\rCopy the subtitle to the harddisk "
                          "to edit it!",
                          "Lumetra|2|No disc in drive Card (" + card + ")"}));
    QCOMPARE(folders()->path(), path("movies"));
    drives->setCurrentIndex(3);
    QCOMPARE(folders()->path(), stick);
    folders()->setPath(f_->dir.path());  // no way above its root
    QCOMPARE(folders()->path(), stick);
    folders()->setPath(stick + "/subs");
    pick("film.sub");
    click("cmdOk");
    QCOMPARE(State(f_->window, "txtBron"), stick + "/subs/film.sub");
    QCOMPARE(folder(), stick + "/subs/");
    open();
    control<QComboBox>("Drive1")->setCurrentIndex(0);
    QCOMPARE(folders()->path(), home_.path());
  }
};

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
