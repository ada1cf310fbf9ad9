#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/drive_list.h"
#include "app/folder_list.h"
#include "app/message_presenter.h"
#include "app/secondary_windows.h"
#include "settings/ini_settings_store.h"

namespace {

struct ShownMessage {
  QString title;
  QString text;
  lumetra::MessageIcon icon;
};

class RecordingPresenter : public MessagePresenter {
 public:
  void show(QWidget*, const QString& title, const QString& text,
            lumetra::MessageIcon icon) override {
    messages.append({title, text, icon});
  }
  QList<ShownMessage> messages;
};

// The main-window controls the dialog works on, under their names.
class FakeMainWindow : public QWidget {
 public:
  FakeMainWindow() {
    source = add<QLineEdit>("txtBron");
    kind = add<QLabel>("lblInputFileInformation");
    kind->setText("No file selected.");
    microDvd = add<QRadioButton>("optMicroDVD");
    subRip = add<QRadioButton>("optSubRip");
    microDvd->setChecked(true);
    tabs = add<QTabWidget>("TabAction");
    for (const char* caption : {"Split", "Correct", "Change FrameRate", "Synchronize",
                                "Delete comments", "Convert", "Guess framerate"}) {
      tabs->addTab(new QWidget, caption);
    }
  }
  template <typename W>
  W* add(const char* name) {
    auto* widget = new W(this);
    widget->setObjectName(name);
    return widget;
  }
  QLineEdit* source;
  QLabel* kind;
  QRadioButton* microDvd;
  QRadioButton* subRip;
  QTabWidget* tabs;
};

const QString kNotSubtitle = "The selected file is not a subtitle (or is an unknown format)";

}  // namespace

class OpenDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void folderTextHasOneSeparator();
  void pathsBelongToTheClosestVolume();
  void realVolumesStartWithTheRoot();
  void opensAtTheStoredFolder();
  void startFolderFallsBack_data();
  void startFolderFallsBack();
  void acceptsSubtitlesAndPresetsTheOutputFormat_data();
  void acceptsSubtitlesAndPresetsTheOutputFormat();
  void refusesOtherFilesAndStaysOpen_data();
  void refusesOtherFilesAndStaysOpen();
  void folderIsRememberedOnlyWhenSettingsAreSaved();
  void asksForAFileWhenNoneIsChosen();
  void changedFolderClearsTheFileName();
  void doubleClickOpens();
  void unreadableFileShowsTheError();
  void rootFolderGivesOnePath();
  void cancelKeepsTheSource();
  void closeBoxDiscardsTheDialog();
  void refusesReadOnlyAndMissingDrives();
  void otherVolumeIsBrowsedFromItsRoot();

 private:
  QWidget* dialog() const { return main_->findChild<QWidget*>("frmLumetraBestandOpenen"); }
  template <typename W>
  W* control(const char* name) const {
    W* widget = dialog()->findChild<W*>(name);
    Q_ASSERT(widget);
    return widget;
  }
  QString write(const QString& name, const QByteArray& bytes) const;
  void openDialog() { ShowOpenSubtitleDialog(main_.get(), *store_, presenter_); }
  void pick(const QString& name);
  void clickOpen() { QTest::mouseClick(control<QPushButton>("cmdOk"), Qt::LeftButton); }
  QString folder() const { return store_->read("Settings", "Folder", "<none>"); }

  QTemporaryDir home_;
  std::unique_ptr<QTemporaryDir> work_;
  std::unique_ptr<IniSettingsStore> store_;
  RecordingPresenter presenter_;
  std::unique_ptr<FakeMainWindow> main_;
};

void OpenDialogTest::initTestCase() {
  // The dialog's default start is the home folder; never the real user's.
  QVERIFY(home_.isValid());
  qputenv("HOME", QFile::encodeName(home_.path()));
  QCOMPARE(QDir::homePath(), home_.path());
}

void OpenDialogTest::init() {
  work_ = std::make_unique<QTemporaryDir>();
  QVERIFY(QDir(work_->path()).mkpath("movies/subs"));
  store_ = std::make_unique<IniSettingsStore>(work_->filePath("lumetra.ini"));
  presenter_.messages.clear();
  SetVolumeSourceForTesting(nullptr);
  main_ = std::make_unique<FakeMainWindow>();
  main_->show();
}

void OpenDialogTest::cleanup() {
  main_.reset();
  SetVolumeSourceForTesting(nullptr);
}

QString OpenDialogTest::write(const QString& name, const QByteArray& bytes) const {
  QFile file(work_->filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(file.fileName()));
  }
  return file.fileName();
}

void OpenDialogTest::pick(const QString& name) {
  auto* files = control<QListWidget>("File1");
  const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(name + " is not listed"));
  files->setCurrentItem(found.first());
  QCOMPARE(control<QLineEdit>("txtBestandsnaam")->text(), name);
}

void OpenDialogTest::folderTextHasOneSeparator() {
  QCOMPARE(FolderText("/"), QString("/"));
  QCOMPARE(FolderText("/media/disc"), QString("/media/disc/"));
  QCOMPARE(FolderText("/home/ann/films/"), QString("/home/ann/films/"));
}

void OpenDialogTest::pathsBelongToTheClosestVolume() {
  QVERIFY(PathIsUnder("/media/disc", "/media/disc"));
  QVERIFY(PathIsUnder("/media/disc/films", "/media/disc"));
  QVERIFY(!PathIsUnder("/media/disc2/films", "/media/disc"));
  QVERIFY(PathIsUnder("/anything", "/"));
  const QList<Volume> volumes = {{"root", "/"}, {"home", "/home"}, {"disc", "/media/disc"}};
  QCOMPARE(VolumeIndexOf(volumes, "/home/ann/films/"), 1);
  QCOMPARE(VolumeIndexOf(volumes, "/media/disc/a"), 2);
  QCOMPARE(VolumeIndexOf(volumes, "/media/disc2/a"), 0);
  QCOMPARE(VolumeIndexOf(volumes, "/homework"), 0);
  QVERIFY(IsRemovableMediaPath("/media/ann/STICK/subs"));
  QVERIFY(IsRemovableMediaPath("/run/media/ann/STICK"));
  QVERIFY(IsRemovableMediaPath("/mnt/usb/"));
  QVERIFY(!IsRemovableMediaPath("/media"));
  QVERIFY(!IsRemovableMediaPath("/home/ann/media/x"));
}

void OpenDialogTest::realVolumesStartWithTheRoot() {
  const QList<Volume> volumes = BrowsableVolumes();
  QVERIFY(!volumes.isEmpty());
  QCOMPARE(volumes.first().rootPath, QString("/"));
  QVERIFY(VolumeIndexOf(volumes, QDir::homePath()) >= 0);
  for (const Volume& volume : volumes) {
    QVERIFY2(!volume.rootPath.startsWith("/proc") && !volume.rootPath.startsWith("/sys") &&
                 !volume.rootPath.startsWith("/dev"),
             qPrintable(volume.rootPath));
  }
}

void OpenDialogTest::opensAtTheStoredFolder() {
  write("movies/subs/a.srt", "1\r\n");
  write("movies/subs/b.txt", "x");
  store_->write("Settings", "Folder", work_->filePath("movies/subs") + "/");
  main_->source->setText("/earlier/choice.sub");

  openDialog();

  QVERIFY(dialog());
  QVERIFY(dialog()->isVisible());
  QVERIFY(dialog()->isWindow());
  QVERIFY(dialog()->isEnabled());
  QVERIFY(!main_->isEnabled());
  QCOMPARE(dialog()->windowTitle(), QString("Lumetra 2.6 - Open Subtitle - Written by Taviel"));
  QCOMPARE(control<FolderList>("Dir1")->path(), work_->filePath("movies/subs"));
  auto* files = control<QListWidget>("File1");
  QCOMPARE(files->count(), 2);  // every file, no pattern
  QCOMPARE(files->item(0)->text(), QString("a.srt"));
  QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
  QCOMPARE(control<QPushButton>("cmdOk")->text(), QString("Open"));
  QVERIFY(presenter_.messages.isEmpty());
}

void OpenDialogTest::startFolderFallsBack_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("expected");
  QTest::newRow("nothing stored") << QString() << home_.path();
  QTest::newRow("folder gone, its volume's root") << "/lumetra-test-gone/subs/"
                                                  << "/";
  QTest::newRow("media not mounted, home") << "/media/lumetra-test-disc/subs/" << home_.path();
  QTest::newRow("not a path, home") << "c:\\films\\" << home_.path();
}

void OpenDialogTest::startFolderFallsBack() {
  QFETCH(QString, stored);
  QFETCH(QString, expected);
  if (!stored.isNull()) {
    store_->write("Settings", "Folder", stored);
  }
  openDialog();
  QCOMPARE(control<FolderList>("Dir1")->path(), expected);
  QVERIFY(presenter_.messages.isEmpty());
  QVERIFY(dialog()->isVisible());
}

void OpenDialogTest::acceptsSubtitlesAndPresetsTheOutputFormat_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("tab");
  QTest::addColumn<QString>("autoSet");
  QTest::addColumn<QString>("label");
  QTest::addColumn<bool>("microDvdOutput");
  const QByteArray sub = "{1}{25}Hello\r\n{30}{50}World\r\n";
  const QByteArray srt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n";
  const QByteArray bom = "\xEF\xBB\xBF";
  QTest::newRow("MicroDVD on Split") << sub << "Split"
                                     << "1"
                                     << "MicroDVD subtitle" << true;
  QTest::newRow("MicroDVD on Convert") << sub << "Convert"
                                       << "1"
                                       << "MicroDVD subtitle" << false;
  QTest::newRow("SubRip on Split") << srt << "Split"
                                   << "1"
                                   << "SubRip subtitle" << false;
  QTest::newRow("SubRip on Convert") << srt << "Convert"
                                     << "1"
                                     << "SubRip subtitle" << true;
  QTest::newRow("SubRip, preset off") << srt << "Split"
                                      << "0"
                                      << "SubRip subtitle" << true;
  QTest::newRow("MicroDVD on Convert, preset off") << sub << "Convert"
                                                   << "0"
                                                   << "MicroDVD subtitle" << true;
  QTest::newRow("MicroDVD with a byte-order mark") << bom + sub << "Correct"
                                                   << "1"
                                                   << "MicroDVD subtitle" << true;
  QTest::newRow("SubRip with a byte-order mark") << bom + srt << "Correct"
                                                 << "True"
                                                 << "SubRip subtitle" << false;
}

void OpenDialogTest::acceptsSubtitlesAndPresetsTheOutputFormat() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, tab);
  QFETCH(QString, autoSet);
  QFETCH(QString, label);
  QFETCH(bool, microDvdOutput);
  const QString path = write("movies/film.txt", bytes);
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  store_->write("General", "OutputFormatIsInputFormat", autoSet);
  for (int i = 0; i < main_->tabs->count(); ++i) {
    if (main_->tabs->tabText(i) == tab)
      main_->tabs->setCurrentIndex(i);
  }

  openDialog();
  pick("film.txt");
  clickOpen();

  QVERIFY(presenter_.messages.isEmpty());
  QCOMPARE(main_->source->text(), path);
  QCOMPARE(main_->kind->text(), label);
  QCOMPARE(main_->microDvd->isChecked(), microDvdOutput);
  QCOMPARE(main_->subRip->isChecked(), !microDvdOutput);
  QVERIFY(main_->isEnabled());
  QVERIFY(!dialog()->isVisible());
}

void OpenDialogTest::refusesOtherFilesAndStaysOpen_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("brace alone") << QByteArray("{");
  QTest::newRow("one then a letter") << QByteArray("1\r\nabc\r\n");
  QTest::newRow("brace then one") << QByteArray("{1}{2}a\r\n1\r\n");
  QTest::newRow("bracket") << QByteArray("[INFORMATION]\r\n");
  QTest::newRow("plain text") << QByteArray("Shopping list\r\n");
}

void OpenDialogTest::refusesOtherFilesAndStaysOpen() {
  QFETCH(QByteArray, bytes);
  write("movies/subs/notes.txt", bytes);
  store_->write("Settings", "Folder", work_->filePath("movies/subs") + "/");
  main_->source->setText("/earlier/choice.sub");
  openDialog();
  QVERIFY(QTest::qWaitForWindowExposed(dialog()));
  control<FolderList>("Dir1")->setPath(work_->filePath("movies/subs"));
  pick("notes.txt");
  clickOpen();

  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].title, QString("Lumetra"));
  QCOMPARE(presenter_.messages[0].text, kNotSubtitle);
  QCOMPARE(presenter_.messages[0].icon, lumetra::MessageIcon::Critical);
  QVERIFY(dialog()->isVisible());
  QVERIFY(!main_->isEnabled());
  QCOMPARE(main_->source->text(), QString("/earlier/choice.sub"));
  QCOMPARE(main_->kind->text(), QString("No file selected."));
}

void OpenDialogTest::folderIsRememberedOnlyWhenSettingsAreSaved() {
  write("movies/subs/notes.txt", "plain");
  for (const char* saveSettings : {"1", "0"}) {
    store_->write("General", "SaveSettings", saveSettings);
    store_->write("Settings", "Folder", work_->filePath("movies") + "/");
    openDialog();
    auto* folders = control<FolderList>("Dir1");
    // Walk down into "subs" as the user does: activate its entry in the folder list.
    const QList<QListWidgetItem*> entries = folders->findItems("subs", Qt::MatchEndsWith);
    QCOMPARE(entries.size(), 1);
    emit folders->itemActivated(entries.first());
    QCOMPARE(folders->path(), work_->filePath("movies/subs"));
    pick("notes.txt");
    clickOpen();  // refused, yet the folder counts
    const QString expected = QString(saveSettings) == "1" ? work_->filePath("movies/subs") + "/"
                                                          : work_->filePath("movies") + "/";
    QCOMPARE(folder(), expected);
    QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
  }
}

void OpenDialogTest::asksForAFileWhenNoneIsChosen() {
  write("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  clickOpen();
  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].title, QString("Lumetra"));
  QCOMPARE(presenter_.messages[0].text, QString("Select a subtitle!"));
  QCOMPARE(presenter_.messages[0].icon, lumetra::MessageIcon::Critical);
  QVERIFY(dialog()->isVisible());
  QCOMPARE(folder(), work_->filePath("movies") + "/");  // nothing written
}

void OpenDialogTest::changedFolderClearsTheFileName() {
  write("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  pick("film.sub");
  control<FolderList>("Dir1")->setPath(work_->filePath("movies/subs"));
  QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
  QCOMPARE(control<QListWidget>("File1")->count(), 0);
  clickOpen();
  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].text, QString("Select a subtitle!"));
  // Going back up lists the file again.
  control<FolderList>("Dir1")->setPath(work_->filePath("movies"));
  QCOMPARE(control<QListWidget>("File1")->count(), 1);
}

void OpenDialogTest::doubleClickOpens() {
  const QString path = write("movies/film.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  auto* files = control<QListWidget>("File1");
  emit files->itemActivated(files->item(0));
  QCOMPARE(main_->source->text(), path);
  QCOMPARE(main_->kind->text(), QString("SubRip subtitle"));
  QVERIFY(!dialog()->isVisible());
}

void OpenDialogTest::unreadableFileShowsTheError() {
  const QString path = write("movies/locked.srt", "1\r\n2\r\n");
  QFile::setPermissions(path, QFileDevice::WriteOwner);
  if (QFile(path).open(QIODevice::ReadOnly)) {
    QSKIP("running with rights that read any file");
  }
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  pick("locked.srt");
  clickOpen();
  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].title, QString("Lumetra 2.6"));
  QCOMPARE(presenter_.messages[0].text,
           QString("An error has occurred!\r\rError 70 : Permission denied"));
  QVERIFY(dialog()->isVisible());
  QVERIFY(!main_->isEnabled());
}

void OpenDialogTest::rootFolderGivesOnePath() {
  openDialog();
  auto* folders = control<FolderList>("Dir1");
  folders->setPath("/");
  QCOMPARE(folders->path(), QString("/"));
  // A name no one has at the root: the failure tells which path was tried.
  control<QLineEdit>("txtBestandsnaam")->setText("lumetra-test-missing.srt");
  clickOpen();
  QCOMPARE(folder(), QString("/"));
  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].text,
           QString("An error has occurred!\r\rError 53 : File not found"));
}

void OpenDialogTest::cancelKeepsTheSource() {
  write("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  main_->source->setText("/earlier/choice.sub");
  openDialog();
  QPointer<QWidget> first = dialog();
  pick("film.sub");
  QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
  QCOMPARE(main_->source->text(), QString("/earlier/choice.sub"));
  QVERIFY(main_->isEnabled());
  QVERIFY(!first->isVisible());
  // Hidden, not discarded: the next opening finds the same dialog. It passes through the
  // home folder on its way to the stored one, and that change of folder clears the name.
  openDialog();
  QCOMPARE(dialog(), first.data());
  QCOMPARE(control<FolderList>("Dir1")->path(), work_->filePath("movies"));
  QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
}

void OpenDialogTest::closeBoxDiscardsTheDialog() {
  write("movies/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  QPointer<QWidget> first = dialog();
  pick("film.sub");
  QVERIFY(first->close());
  QVERIFY(main_->isEnabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(first.isNull());

  openDialog();
  QVERIFY(dialog());
  QVERIFY(control<QLineEdit>("txtBestandsnaam")->text().isEmpty());
  QVERIFY(!main_->isEnabled());
}

void OpenDialogTest::refusesReadOnlyAndMissingDrives() {
  QVERIFY(QDir(work_->path()).mkpath("disc"));
  QVERIFY(QDir(work_->path()).mkpath("card"));
  const QString disc = work_->filePath("disc");
  const QString card = work_->filePath("card");
  SetVolumeSourceForTesting([&] {
    return QList<Volume>{{"File System (/)", "/", true, false},
                         {"DVD (" + disc + ")", disc, true, true},
                         {"Card (" + card + ")", card, false, false}};
  });
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  auto* drives = control<QComboBox>("Drive1");
  QCOMPARE(drives->count(), 3);
  QCOMPARE(drives->currentIndex(), 0);

  drives->setCurrentIndex(1);
  QCOMPARE(presenter_.messages.size(), 1);
  QCOMPARE(presenter_.messages[0].title, QString("Lumetra"));
  QCOMPARE(presenter_.messages[0].text,
           QString("This drive is read-only!\rCopy the subtitle to the harddisk to edit it!"));
  QCOMPARE(drives->currentIndex(), 0);

  drives->setCurrentIndex(2);
  QCOMPARE(presenter_.messages.size(), 2);
  QCOMPARE(presenter_.messages[1].text, "No disc in drive Card (" + card + ")");
  QCOMPARE(drives->currentIndex(), 0);
  QCOMPARE(control<FolderList>("Dir1")->path(), work_->filePath("movies"));
}

void OpenDialogTest::otherVolumeIsBrowsedFromItsRoot() {
  QVERIFY(QDir(work_->path()).mkpath("stick/subs"));
  const QString stick = work_->filePath("stick");
  write("stick/subs/film.sub", "{1}{2}a\r\n{3}{4}b\r\n");
  SetVolumeSourceForTesting([&] {
    return QList<Volume>{{"File System (/)", "/", true, false}, {"Stick", stick, true, false}};
  });
  store_->write("Settings", "Folder", work_->filePath("movies") + "/");
  openDialog();
  control<QComboBox>("Drive1")->setCurrentIndex(1);
  auto* folders = control<FolderList>("Dir1");
  QCOMPARE(folders->path(), stick);
  QCOMPARE(folders->item(0)->data(Qt::UserRole).toString(), stick);  // no way above its root
  folders->setPath(work_->path());
  QCOMPARE(folders->path(), stick);
  folders->setPath(stick + "/subs");
  pick("film.sub");
  clickOpen();
  QCOMPARE(main_->source->text(), stick + "/subs/film.sub");
  QCOMPARE(folder(), stick + "/subs/");

  // Back on the first volume, the folder list returns to where it was there.
  openDialog();
  control<QComboBox>("Drive1")->setCurrentIndex(0);
  QCOMPARE(folders->path(), home_.path());
}

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
