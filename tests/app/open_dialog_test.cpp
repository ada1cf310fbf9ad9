// frmLumetraBestandOpenen opened from the main window's "..." button: the start folder, the
// drive and folder lists, and what choosing a file, there or by dropping it on the main
// window, does to the main window.
#include <QComboBox>
#include <QDir>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "app/drive_list.h"
#include "app/folder_list.h"
#include "app/support/started_window.h"

namespace {
const QString kNotSubtitle = "The selected file is not a subtitle (or is an unknown format)";
}  // namespace

class OpenDialogTest : public QObject {
  Q_OBJECT

  QWidget* dialog() const { return f_->window.findChild<QWidget*>("frmLumetraBestandOpenen"); }
  template <typename W>
  W* control(const char* name) const {
    return Find<W>(*dialog(), name);
  }
  FolderList* folders() const { return control<FolderList>("Dir1"); }
  QString path(const QString& name) const { return f_->dir.filePath(name); }
  void useFolder(const QString& name) { f_->store.write("Settings", "Folder", path(name) + "/"); }
  QString folder() const { return f_->store.read("Settings", "Folder", "<none>"); }
  void open() { f_->press("cmdBronZoeken"); }
  void pick(const QString& name) {
    const QList<QListWidgetItem*> found =
        control<QListWidget>("File1")->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name + " is not listed"));
    control<QListWidget>("File1")->setCurrentItem(found.first());
    QCOMPARE(control<QLineEdit>("txtBestandsnaam")->text(), name);
  }
  void clickOpen() { QTest::mouseClick(control<QPushButton>("cmdOk"), Qt::LeftButton); }
  // The one message shown so far, as "title: text".
  QString message() const {
    const auto& shown = f_->presenter.messages;
    return shown.size() == 1 ? shown[0].title + ": " + shown[0].text
                             : QStringLiteral("%1 messages").arg(shown.size());
  }

  QTemporaryDir home_;
  std::unique_ptr<StartedWindow> f_;

 private slots:
  void initTestCase() {
    // The dialog's default start is the home folder; never the real user's.
    qputenv("HOME", QFile::encodeName(home_.path()));
    QCOMPARE(QDir::homePath(), home_.path());
  }
  void init() {
    SetVolumeSourceForTesting(nullptr);
    f_ = std::make_unique<StartedWindow>();
    QVERIFY(QDir(f_->dir.path()).mkpath("movies/subs"));
    f_->set("txtBron", "/earlier/choice.sub");
  }
  void cleanup() {
    f_.reset();
    SetVolumeSourceForTesting(nullptr);
  }

  void volumeHelpers() {
    QVERIFY(PathIsUnder("/media/disc/films", "/media/disc"));
    QVERIFY(!PathIsUnder("/media/disc2/films", "/media/disc"));
    const QList<Volume> volumes = {{"root", "/"}, {"home", "/home"}, {"disc", "/media/disc"}};
    QCOMPARE(VolumeIndexOf(volumes, "/home/ann/films/"), 1);
    QCOMPARE(VolumeIndexOf(volumes, "/media/disc/a"), 2);
    QCOMPARE(VolumeIndexOf(volumes, "/media/disc2/a"), 0);
    QCOMPARE(VolumeIndexOf(volumes, "/homework"), 0);
    for (const char* removable : {"/media/ann/STICK/subs", "/run/media/ann/STICK", "/mnt/usb/"})
      QVERIFY2(IsRemovableMediaPath(removable), removable);
    QVERIFY(!IsRemovableMediaPath("/media"));
    QVERIFY(!IsRemovableMediaPath("/home/ann/media/x"));

    const QList<Volume> real = BrowsableVolumes();
    QVERIFY(!real.isEmpty());
    QCOMPARE(real.first().rootPath, QString("/"));
    QVERIFY(VolumeIndexOf(real, QDir::homePath()) >= 0);
    for (const Volume& volume : real) {
      QVERIFY2(!volume.rootPath.startsWith("/proc") && !volume.rootPath.startsWith("/sys") &&
                   !volume.rootPath.startsWith("/dev"),
               qPrintable(volume.rootPath));
    }
  }

  void opensAtTheStoredFolder() {
    f_->file("movies/subs/a.srt", "1\r\n");
    f_->file("movies/subs/b.txt", "x");
    useFolder("movies/subs");
    open();
    QVERIFY(dialog() && dialog()->isVisible() && dialog()->isWindow() && dialog()->isEnabled());
    QVERIFY(!f_->window.isEnabled());
    QCOMPARE(dialog()->windowTitle(), QString("Lumetra 2.6 - Open Subtitle - Written by Taviel"));
    QCOMPARE(folders()->path(), path("movies/subs"));
    auto* files = control<QListWidget>("File1");
    QCOMPARE(files->count(), 2);  // every file, no pattern
    QCOMPARE(files->item(0)->text(), QString("a.srt"));
    QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
    QCOMPARE(control<QPushButton>("cmdOk")->text(), QString("Open"));
    QVERIFY(f_->presenter.messages.empty());
  }

  void startFolderFallsBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing stored") << QString() << home_.path();
    QTest::newRow("folder gone, its volume's root") << "/lumetra-test-gone/subs/"
                                                    << "/";
    QTest::newRow("media not mounted, home") << "/media/lumetra-test-disc/subs/" << home_.path();
    QTest::newRow("not a path, home") << "c:\\films\\" << home_.path();
  }
  void startFolderFallsBack() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    if (!stored.isNull())
      f_->store.write("Settings", "Folder", stored);
    open();
    QCOMPARE(folders()->path(), expected);
    QVERIFY(f_->presenter.messages.empty());
    QVERIFY(dialog()->isVisible());
  }

  // An accepted file becomes the input; with "Auto set outputformat" on, the output format
  // is preset to the input's, or to the other one on the Convert tab.
  void acceptsSubtitlesAndPresetsTheOutputFormat_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("autoSet");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("doubleClick");
    const QByteArray sub = "{1}{25}Hello\r\n{30}{50}World\r\n";
    const QByteArray srt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n";
    const QByteArray bom = "\xEF\xBB\xBF";
    const auto row = [](const char* name, const QByteArray& bytes, int tab, const char* autoSet,
                        bool microDvdLabel, bool microDvdOutput, bool doubleClick = false) {
      QTest::newRow(name) << bytes << tab << QString::fromLatin1(autoSet)
                          << QStringList{microDvdLabel ? "lblInputFileInformation=MicroDVD subtitle"
                                                       : "lblInputFileInformation=SubRip subtitle",
                                         microDvdOutput ? "optMicroDVD=1" : "optSubRip=1"}
                          << doubleClick;
    };
    const int split = 0, correct = 1, convert = 5;
    row("MicroDVD on Split", sub, split, "1", true, true);
    row("SubRip by double click", srt, split, "1", false, false, true);
    row("SubRip on Convert", srt, convert, "1", false, true);
    row("SubRip, preset off", srt, split, "0", false, true);
    row("MicroDVD with a byte-order mark", bom + sub, correct, "1", true, true);
  }
  void acceptsSubtitlesAndPresetsTheOutputFormat() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, tab);
    QFETCH(QString, autoSet);
    QFETCH(QStringList, shown);
    QFETCH(bool, doubleClick);
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
      clickOpen();
    }
    QVERIFY(f_->presenter.messages.empty());
    shown << "txtBron=" + file;
    QCOMPARE(States(f_->window, shown), shown);
    QVERIFY(f_->window.isEnabled());
    QVERIFY(!dialog()->isVisible());
  }

  // A file dropped on the main window is taken as if chosen here; anything but one file is
  // refused.
  void droppingOnTheMainWindow_data() {
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("MicroDVD on Convert") << QStringList{"film.sub"} << QString();
    QTest::newRow("not a subtitle") << QStringList{"notes.txt"} << kNotSubtitle;
    QTest::newRow("two files") << QStringList{"film.sub", "notes.txt"}
                               << "Drop one subtitle at a time.";
    QTest::newRow("a folder") << QStringList{"movies"} << "Drop a subtitle file, not a folder.";
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
    QCOMPARE(message(), refusal.isEmpty() ? "0 messages" : "Lumetra: " + refusal);
    const QStringList shown =
        refusal.isEmpty() ? QStringList{"txtBron=" + path("film.sub"),
                                        "lblInputFileInformation=MicroDVD subtitle", "optSubRip=1"}
                          : QStringList{"txtBron=/earlier/choice.sub",
                                        "lblInputFileInformation=No file selected."};
    QCOMPARE(States(f_->window, shown), shown);
  }

  // Every way the detection refuses a file (its full table is tested with the detection
  // itself): the message, and the dialog stays open over the untouched main window.
  void refusesOtherFilesAndStaysOpen_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bracket") << QByteArray("[INFORMATION]\r\n");
    QTest::newRow("plain text") << QByteArray("Shopping list\r\n");
  }
  void refusesOtherFilesAndStaysOpen() {
    QFETCH(QByteArray, bytes);
    f_->file("movies/subs/notes.txt", bytes);
    useFolder("movies/subs");
    open();
    pick("notes.txt");
    clickOpen();
    QCOMPARE(message(), "Lumetra: " + kNotSubtitle);
    QCOMPARE(f_->presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QVERIFY(dialog()->isVisible());
    QVERIFY(!f_->window.isEnabled());
    const QStringList shown = {"txtBron=/earlier/choice.sub",
                               "lblInputFileInformation=No file selected."};
    QCOMPARE(States(f_->window, shown), shown);
  }

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
      QCOMPARE(folders()->path(), path("movies/subs"));
      pick("notes.txt");
      clickOpen();  // refused, yet the folder counts
      QCOMPARE(folder(), path(QString(saveSettings) == "1" ? "movies/subs/" : "movies/"));
      QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    }
  }

  // A changed folder clears the file name; Open without a name asks for one and stores no
  // folder.
  void changedFolderClearsTheFileName() {
    f_->file("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
    useFolder("movies");
    open();
    pick("film.sub");
    folders()->setPath(path("movies/subs"));
    QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
    QCOMPARE(control<QListWidget>("File1")->count(), 0);
    clickOpen();
    QCOMPARE(message(), QString("Lumetra: Select a subtitle!"));
    QCOMPARE(f_->presenter.messages[0].icon, lumetra::MessageIcon::Critical);
    QVERIFY(dialog()->isVisible());
    QCOMPARE(folder(), path("movies/"));
    folders()->setPath(path("movies"));
    QCOMPARE(control<QListWidget>("File1")->count(), 1);
  }

  void unreadableFileShowsTheError() {
    const QString file = f_->file("movies/locked.srt", "1\r\n2\r\n");
    QFile::setPermissions(file, QFileDevice::WriteOwner);
    if (QFile(file).open(QIODevice::ReadOnly))
      QSKIP("running with rights that read any file");
    useFolder("movies");
    open();
    pick("locked.srt");
    clickOpen();
    QCOMPARE(message(),
             QString("Lumetra 2.6: An error has occurred!\r\rError 70 : Permission denied"));
    QVERIFY(dialog()->isVisible());
    QVERIFY(!f_->window.isEnabled());
  }

  void rootFolderGivesOnePath() {
    open();
    folders()->setPath("/");
    QCOMPARE(folders()->path(), QString("/"));
    // A name no one has at the root: the failure tells which path was tried.
    control<QLineEdit>("txtBestandsnaam")->setText("lumetra-test-missing.srt");
    clickOpen();
    QCOMPARE(folder(), QString("/"));
    QCOMPARE(message(), QString("Lumetra 2.6: An error has occurred!\r\rError 53 : File not found "
                                "(reading /lumetra-test-missing.srt)"));
  }

  // Cancel and Escape hide the dialog for the next use, the close box discards it; all keep
  // the input and enable the main window. A changed folder on reopening clears the file name.
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
      QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    QCOMPARE(State(f_->window, "txtBron"), QString("/earlier/choice.sub"));
    QVERIFY(f_->window.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(first.isNull(), closeBox);
    open();
    QCOMPARE(dialog() == first.data(), !closeBox);
    QCOMPARE(folders()->path(), path("movies"));
    QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
    QVERIFY(!f_->window.isEnabled());
  }

  void refusesReadOnlyAndMissingDrives() {
    QVERIFY(QDir(f_->dir.path()).mkpath("disc") && QDir(f_->dir.path()).mkpath("card"));
    const QString disc = path("disc");
    const QString card = path("card");
    SetVolumeSourceForTesting([&] {
      return QList<Volume>{{"File System (/)", "/", true, false},
                           {"DVD (" + disc + ")", disc, true, true},
                           {"Card (" + card + ")", card, false, false}};
    });
    useFolder("movies");
    open();
    auto* drives = control<QComboBox>("Drive1");
    QCOMPARE(drives->count(), 3);
    QCOMPARE(drives->currentIndex(), 0);
    drives->setCurrentIndex(1);
    QCOMPARE(message(),
             "Lumetra: This drive is read-only!\rCopy the subtitle to the harddisk to edit it!");
    QCOMPARE(drives->currentIndex(), 0);
    drives->setCurrentIndex(2);
    QCOMPARE(f_->presenter.texts().value(1), "No disc in drive Card (" + card + ")");
    QCOMPARE(drives->currentIndex(), 0);
    QCOMPARE(folders()->path(), path("movies"));
  }

  void otherVolumeIsBrowsedFromItsRoot() {
    QVERIFY(QDir(f_->dir.path()).mkpath("stick/subs"));
    const QString stick = path("stick");
    f_->file("stick/subs/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
    SetVolumeSourceForTesting([&] {
      return QList<Volume>{{"File System (/)", "/", true, false}, {"Stick", stick, true, false}};
    });
    useFolder("movies");
    open();
    control<QComboBox>("Drive1")->setCurrentIndex(1);
    QCOMPARE(folders()->path(), stick);
    QCOMPARE(folders()->item(0)->data(Qt::UserRole).toString(), stick);  // no way above its root
    folders()->setPath(f_->dir.path());
    QCOMPARE(folders()->path(), stick);
    folders()->setPath(stick + "/subs");
    pick("film.sub");
    clickOpen();
    QCOMPARE(State(f_->window, "txtBron"), stick + "/subs/film.sub");
    QCOMPARE(folder(), stick + "/subs/");
    // Back on the first volume, the folder list returns to where it was there.
    open();
    control<QComboBox>("Drive1")->setCurrentIndex(0);
    QCOMPARE(folders()->path(), home_.path());
  }
};

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
