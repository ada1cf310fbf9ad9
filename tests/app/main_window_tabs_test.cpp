// The output format follows the input on every tab change while "Auto set outputformat" is
// stored as on: the input's own format on every tab, the other one on "Convert".
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"

namespace {
constexpr int kSplit = 0;
constexpr int kSynchronize = 3;
constexpr int kConvert = 5;
}  // namespace

class MainWindowTabsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  QString file(const char* name, const QByteArray& bytes) {
    const QString path = dir_.filePath(QString::fromLatin1(name));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return path;
  }

 private slots:
  void followsTheInput_data() {
    QTest::addColumn<QString>("option");  // stored "OutputFormatIsInputFormat", "" for none
    QTest::addColumn<QString>("input");   // first bytes of the input; "missing" for no file
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("startMicroDvd");
    QTest::addColumn<bool>("expectMicroDvd");
    QTest::newRow("MicroDVD to Convert") << "1"
                                         << "{1}{2}x" << kConvert << true << false;
    QTest::newRow("MicroDVD back to Split") << "1"
                                            << "{1}{2}x" << kSplit << false << true;
    QTest::newRow("SubRip to Convert") << "1"
                                       << "1\r\n"
                                       << kConvert << false << true;
    QTest::newRow("SubRip to Synchronize") << "1"
                                           << "1\r\n"
                                           << kSynchronize << true << false;
    QTest::newRow("option absent means on") << ""
                                            << "{1}{2}x" << kConvert << true << false;
    QTest::newRow("option off") << "0"
                                << "{1}{2}x" << kConvert << true << true;
    QTest::newRow("option not a truth") << "maybe"
                                        << "{1}{2}x" << kConvert << true << true;
    QTest::newRow("unknown first character") << "1"
                                             << "x" << kConvert << true << true;
    QTest::newRow("empty file") << "1"
                                << "" << kConvert << true << true;
    QTest::newRow("missing file") << "1"
                                  << "missing" << kConvert << false << false;
  }
  void followsTheInput() {
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(int, tab);
    QFETCH(bool, startMicroDvd);
    QFETCH(bool, expectMicroDvd);
    QString ini = QStringLiteral("[General]\nEersteKeer=1\n");
    if (!option.isEmpty())
      ini += QStringLiteral("OutputFormatIsInputFormat=%1\n").arg(option);
    TempIniStore store(ini);
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    Find<QTabWidget>(window, "TabAction")->setCurrentIndex(1);  // a neutral start
    const QString path = input == QLatin1String("missing")
                             ? dir_.filePath(QStringLiteral("gone.sub"))
                             : file("input.sub", input.toLatin1());
    Find<QLineEdit>(window, "txtBron")->setText(path);
    Find<QRadioButton>(window, startMicroDvd ? "optMicroDVD" : "optSubRip")->setChecked(true);

    Find<QTabWidget>(window, "TabAction")->setCurrentIndex(tab);
    QCOMPARE(Find<QRadioButton>(window, "optMicroDVD")->isChecked(), expectMicroDvd);
    QCOMPARE(Find<QRadioButton>(window, "optSubRip")->isChecked(), !expectMicroDvd);
    QVERIFY(presenter.messages.empty());
  }

  void noInputChangesNothing() {
    TempIniStore store(QStringLiteral("[General]\nEersteKeer=1\n"));
    RecordingPresenter presenter;
    MainWindow window(store, presenter);
    window.formLoad();
    Find<QTabWidget>(window, "TabAction")->setCurrentIndex(kConvert);
    QVERIFY(Find<QRadioButton>(window, "optMicroDVD")->isChecked());
  }
};

QTEST_MAIN(MainWindowTabsTest)
#include "main_window_tabs_test.moc"
