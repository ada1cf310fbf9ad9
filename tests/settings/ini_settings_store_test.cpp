// The settings store on a real INI file: every key of the table round-trips, keys and
// sections are stored letter for letter, and values come back exactly as written.
#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/ini_settings_store.h"
#include "settings/setting_keys.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

class IniSettingsStoreTest : public QObject {
  Q_OBJECT

 private:
  QString fileText() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  void writeFile(const QByteArray& text) const {
    QFile file(path_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir dir_;
  QString path_;

 private slots:
  void init() { path_ = dir_.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())); }

  void everyKeyRoundTripsThroughTheFile() {
    std::vector<keys::Setting> all(std::begin(keys::kUserSettings), std::end(keys::kUserSettings));
    all.push_back(keys::kVersie);
    all.push_back(keys::kEersteKeer);
    {
      IniSettingsStore store(path_);
      for (std::size_t i = 0; i < all.size(); ++i) {
        WriteSetting(store, all[i], QStringLiteral("value %1").arg(i));
      }
    }
    IniSettingsStore reopened(path_);
    for (std::size_t i = 0; i < all.size(); ++i) {
      QCOMPARE(ReadSetting(reopened, all[i], QStringLiteral("<absent>")),
               QStringLiteral("value %1").arg(i));
    }
  }

  void keysAndSectionsAreStoredLiterally() {
    {
      IniSettingsStore store(path_);
      WriteSetting(store, keys::kCorrectIl, QStringLiteral("0"));
      WriteSetting(store, keys::kCorrectFullStops, QStringLiteral("1"));
      WriteSetting(store, keys::kSaveSettings, QStringLiteral("0"));
    }
    const QString text = fileText();
    QVERIFY2(text.contains(QStringLiteral("[General]\nSaveSettings=0\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("[Settings]\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nCorrect-I/l=0\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nCorrect-?./!.=1\n")), qPrintable(text));
    QVERIFY2(!text.contains(QLatin1Char('%')), qPrintable(text));
  }

  // A file written by hand (or by an earlier version) is read letter for letter, and a write
  // keeps every other key in it.
  void readsAndKeepsAHandWrittenFile() {
    writeFile(
        "; written by hand\n[General]\n  SaveSettings = 0  \nVersie=2.5\n\n"
        "[Settings]\nCorrect-I/l=0\nCorrect-?./!.=1\nFolder=c:\\films\\\n");
    IniSettingsStore(path_).write(QStringLiteral("Settings"), QStringLiteral("LastAction"),
                                  QStringLiteral("3"));
    IniSettingsStore store(path_);
    QCOMPARE(ReadSetting(store, keys::kSaveSettings), QStringLiteral("0"));
    QCOMPARE(ReadSetting(store, keys::kVersie), QStringLiteral("2.5"));
    QCOMPARE(ReadSetting(store, keys::kCorrectIl), QStringLiteral("0"));
    QCOMPARE(ReadSetting(store, keys::kCorrectFullStops), QStringLiteral("1"));
    QCOMPARE(ReadSetting(store, keys::kFolder), QStringLiteral("c:\\films\\"));
    QCOMPARE(ReadSetting(store, keys::kLastAction), QStringLiteral("3"));
  }

  void absentKeysGiveTheFallback() {
    IniSettingsStore store(path_);
    QCOMPARE(
        store.read(QStringLiteral("Settings"), QStringLiteral("LastAction"), QStringLiteral("0")),
        QStringLiteral("0"));
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("180000"));
    QCOMPARE(ReadSetting(store, keys::kSaveSettings, QStringLiteral("0")), QStringLiteral("0"));
    QCOMPARE(ReadSetting(store, keys::kFolder), DefaultFolder());
    QVERIFY(!QFile::exists(path_));  // reading creates nothing
  }

  // Reading a FIFO would block the window at start: it is neither read nor written.
  void aFifoIsLeftAlone() {
    QCOMPARE(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    IniSettingsStore store(path_);
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("180000"));
    WriteSetting(store, keys::kSegmentSize, QStringLiteral("5"));
    QCOMPARE(ReadSetting(store, keys::kSegmentSize), QStringLiteral("5"));
    QVERIFY(!QFileInfo(path_).isFile());
  }

  void valuesComeBackExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("space") << QStringLiteral(" ");
    QTest::newRow("empty") << QString();
    QTest::newRow("surrounding spaces") << QStringLiteral("  7200 ");
    QTest::newRow("backslash path") << QStringLiteral("c:\\films\\subs\\");
    QTest::newRow("equals sign") << QStringLiteral("=");
    QTest::newRow("semicolon") << QStringLiteral(";");
    QTest::newRow("bracket") << QStringLiteral("[");
    QTest::newRow("quotes") << QStringLiteral("\"a \\\" b\"");
    QTest::newRow("line breaks") << QStringLiteral("a\nb\rc");
    QTest::newRow("non-ASCII") << QStringLiteral("«»é");
  }
  void valuesComeBackExactly() {
    QFETCH(QString, value);
    {
      IniSettingsStore store(path_);
      WriteSetting(store, keys::kBeginCharacter, value);
    }
    QCOMPARE(IniSettingsStore(path_).read(QStringLiteral("Settings"),
                                          QStringLiteral("Begin-character"), QStringLiteral("?")),
             value);
  }

  void toInt16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // -99999: does not convert
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << -1;
    QTest::newRow("spaces") << " 4 " << 4;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("too large") << "32768" << -99999;
    QTest::newRow("letters") << "abc" << -99999;
    QTest::newRow("empty") << "" << -99999;
    QTest::newRow("fraction") << "1.5" << -99999;
  }
  void toInt16() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ToInt16(text).value_or(-99999), expected);
  }

  void toTruth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // 1 true, 0 false, -1 no truth value
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false any case") << "fALSE" << 0;
    QTest::newRow("letters") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void toTruth() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto truth = ToTruth(text);
    QCOMPARE(truth ? int(*truth) : -1, expected);
  }
};

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "ini_settings_store_test.moc"
