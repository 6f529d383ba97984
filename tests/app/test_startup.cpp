// Start-up without windows: settings with their defaults and write-back, the port check,
// language, factory mode, features and the first codeplug; and number text under a
// comma-decimal locale.
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "app/startup.h"
#include "codeplug/freq_code.h"
#include "link/serial/port_map.h"
#include "platform/number_text.h"
#include "storage/snapshot.h"
#include "support/recording_reporter.h"

using namespace torvik;

namespace {

void Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(dir.filePath(name)).absolutePath());
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QTemporaryDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void missingSettingsGiveDefaults() {
        QTemporaryDir home;
        const auto session = RunStartup({home.path().toStdString(), "C", std::nullopt});
        QCOMPARE(session->settings.PortNumber, 1);
        QCOMPARE(session->settings.StopBits, 1);
        QCOMPARE(session->language, Language::English);
        QVERIFY(!session->factoryMode);
        QCOMPARE(session->features, FeatureFlags{});
        QCOMPARE(session->codeplug.channels.ChannelCount, 1);  // the default VFO
        QVERIFY(!IsModified(session->codeplug));
        QCOMPARE(Read(home, "language/mysetup.ini"), QByteArray("[language]\r\ncomPort=1\r\n"));
    }

    void settingsPortCheckAndWriteBack() {
        QTemporaryDir home;
        Write(home, "language/mysetup.ini",
              "[language]\r\nIsFirstRun=1\r\ncomPort=7\r\nHandshaking=2\r\nStopBit=2\r\n");
        Write(home, "Setting.ini", QByteArray::fromHex("0100000001000000"));
        Write(home, "TestData.ini", "KV-207_4816_Service_ToolUnlocked");
        PortMap ports{ProfileFile{}};
        ports.update({{"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/dev/ttyUSB1", "/dev/ttyUSB1"}});
        const auto session =
            RunStartup({home.path().toStdString(), "zh_CN.UTF-8", ports.presentNumbers()});
        QCOMPARE(session->settings.PortNumber, 1);  // 7 is not present: the first present port
        QCOMPARE(session->settings.HandshakeMode, 2);
        QCOMPARE(session->settings.StopBits, 2);
        QCOMPARE(session->language, Language::Chinese);
        QVERIFY(session->factoryMode);
        QVERIFY(session->codeplug.factoryMode);
        QCOMPARE(session->features, (FeatureFlags{1, 0, 1, 0}));
        QCOMPARE(Read(home, "language/mysetup.ini"),
                 QByteArray(
                     "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nHandshaking=2\r\nStopBit=2\r\n"));

        session->features.Has2Tone = 1;
        QVERIFY(SaveFeatureFlags(*session));
        QCOMPARE(Read(home, "Setting.ini"), QByteArray::fromHex("0100010001000000"));
    }

    void numbersIgnoreTheUserLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        const std::string restore = previous ? previous : "C";
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("the de_DE.UTF-8 locale is not installed");
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        QCOMPARE(QByteArray(probe), QByteArray("1,5"));  // the locale really uses a comma

        QCOMPARE(ParseDecimal("435.00625").value_or(0), 435.00625);
        QCOMPARE(FreqTextToCode("435.00625"), std::string("043500625"));
        QCOMPARE(FormatFrequency(435.00625), std::string("435.00625"));
        test::RecordingReporter reporter;
        Band band;
        band.setCode(48);
        QCOMPARE(CheckRxFrequencyText("435.0125", band, reporter), std::string("435.01250"));
        QVERIFY(reporter.shown.empty());
        std::setlocale(LC_ALL, restore.c_str());
    }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "test_startup.moc"
