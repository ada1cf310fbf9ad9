// The settings store on a real INI file: every setting of the table round-trips, keys and
// sections are stored letter for letter, values come back exactly as written, and a file the
// store cannot use or write costs nothing but the keeping.
#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/ini_settings_store.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

class IniSettingsStoreTest : public QObject {
  Q_OBJECT

  QString fileText() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  QTemporaryDir dir_;
  QString path_;

 private slots:
  void init() { path_ = dir_.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())); }

  void everySettingRoundTripsLetterForLetter() {
    std::vector<keys::Setting> all(std::begin(keys::kUserSettings), std::end(keys::kUserSettings));
    all.insert(all.end(), {keys::kVersie, keys::kEersteKeer});
    {
      IniSettingsStore store(path_);
      for (std::size_t i = 0; i < all.size(); ++i)
        WriteSetting(store, all[i], QString::number(i));
    }
    IniSettingsStore reopened(path_);
    for (std::size_t i = 0; i < all.size(); ++i)
      QCOMPARE(ReadSetting(reopened, all[i], "<absent>"), QString::number(i));
    const QString text = fileText();
    for (const char* line : {"[General]\n", "\nSaveSettings=2\n", "[Settings]\n",
                             "\nCorrect-I/l=10\n", "\nCorrect-?./!.=12\n"})
      QVERIFY2(text.contains(QLatin1String(line)), qPrintable(text));
  }

  // A file written by hand (or by an earlier version) is read as it is, and a write keeps
  // every other key in it.
  void readsAndKeepsAHandWrittenFile() {
    QFile file(path_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; by hand\n[General]\n  SaveSettings = 0  \n\n[Settings]\nFolder=c:\\films\\\n");
    file.close();
    IniSettingsStore(path_).write("Settings", "LastAction", "3");
    IniSettingsStore store(path_);
    QCOMPARE(ReadSetting(store, keys::kSaveSettings), QStringLiteral("0"));
    QCOMPARE(ReadSetting(store, keys::kFolder), QStringLiteral("c:\\films\\"));
    QCOMPARE(ReadSetting(store, keys::kLastAction), QStringLiteral("3"));
  }

  void absentKeysGiveTheirFactoryValue() {
    IniSettingsStore store(path_);
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("180000"));
    QCOMPARE(ReadSetting(store, keys::kFolder), DefaultFolder());
    QCOMPARE(ReadSetting(store, keys::kSaveSettings, "0"), QStringLiteral("0"));
    QVERIFY(!QFile::exists(path_));  // reading creates nothing
  }

  // Reading a FIFO would block the window at start: it is neither read nor written, and what
  // is written is kept for this run.
  void aFifoIsLeftAlone() {
    QCOMPARE(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    IniSettingsStore store(path_);
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("180000"));
    WriteSetting(store, keys::kSegmentSize, "5");
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("5"));
    QVERIFY(!QFileInfo(path_).isFile());
  }

  // A file that cannot be written (its folder is a file, so not even root can) loses the
  // write silently; the value is kept for this run.
  void aWriteThatFailsIsKeptForTheRun() {
    QFile blocker(dir_.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store(blocker.fileName() + "/Lumetra.ini");
    WriteSetting(store, keys::kLastAction, "4");
    QCOMPARE(ReadSetting(store, keys::kLastAction), QStringLiteral("4"));
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
  }

  void valuesComeBackExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("surrounding spaces") << QStringLiteral("  7200 ");
    QTest::newRow("bracket") << QStringLiteral("[");
    QTest::newRow("quotes") << QStringLiteral("\"a \\\" b\"");
    QTest::newRow("line breaks") << QStringLiteral("a\nb\rc");
    QTest::newRow("non-ASCII") << QStringLiteral("«»é");
  }
  void valuesComeBackExactly() {
    QFETCH(QString, value);
    IniSettingsStore(path_).write("Settings", "Begin-character", value);
    QCOMPARE(ReadSetting(IniSettingsStore(path_), keys::kBeginCharacter, "?"), value);
  }

  // The two conversions of a stored text; "none" where it does not convert.
  void conversions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("int16");
    QTest::addColumn<QString>("truth");
    const auto row = [](const char* text, const char* int16, const char* truth) {
      QTest::newRow(text) << QString(text) << QString(int16) << QString(truth);
    };
    row("0", "0", "false");
    row(" -1 ", "-1", "true");
    row("32768", "none", "true");
    row("1.5", "none", "true");
    row("True", "none", "true");
    row("fALSE", "none", "false");
    row("yes", "none", "none");
  }
  void conversions() {
    QFETCH(QString, text);
    QFETCH(QString, int16);
    QFETCH(QString, truth);
    const auto number = ToInt16(text);
    QCOMPARE(number ? QString::number(*number) : "none", int16);
    const auto isTrue = ToTruth(text);
    QCOMPARE(isTrue ? (*isTrue ? "true" : "false") : "none", truth);
  }
};

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "ini_settings_store_test.moc"
