// Profile files, language texts, the setup profile, the feature file and the factory files.
#include <QtTest>

#include "app/app_home.h"
#include "app/language_texts.h"
#include "app/settings.h"
#include "factory/test_data.h"
#include "platform/profile_file.h"

using namespace torvik;

namespace {

std::filesystem::path Write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const std::filesystem::path path = dir.filePath(name).toStdString();
    std::filesystem::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray Read(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}  // namespace

class ProfileSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void profileLookup_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // "<none>" when missing
        QTest::newRow("exact") << "OTHER"
                               << "1101"
                               << "File";
        QTest::newRow("case of section and key") << "other"
                                                 << "ABC"
                                                 << "x";
        QTest::newRow("trimmed and unquoted") << "OTHER"
                                              << "2"
                                              << "  spaced  ";
        QTest::newRow("leading zeros are another key") << "OTHER"
                                                       << "1102"
                                                       << "<none>";
        QTest::newRow("missing section") << "MSG"
                                         << "1101"
                                         << "<none>";
        QTest::newRow("second section") << "OPTION"
                                        << "60024"
                                        << "Opt";
        QTest::newRow("blank value") << "OTHER"
                                     << "3"
                                     << "";
    }
    void profileLookup() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const ProfileFile file = ProfileFile::Parse(
            "[OTHER]\r\n1101 = File \r\nabc=x\r\n2=\"  spaced  \"\r\n01102=zero\r\n3=   \r\n"
            "[Option]\r\n60024=Opt\r\n");
        const auto got = file.get(section.toStdString(), key.toStdString());
        QCOMPARE(got ? QString::fromStdString(*got) : QString("<none>"), value);
    }

    void profileWriteKeepsOtherLines() {
        QTemporaryDir dir;
        const QByteArray original =
            "; comment\r\n[Language]\r\ncomPort=3\r\n\r\n[Other]\r\nx=\xD6\xD0\r\n";
        const auto path = Write(dir, "language/mysetup.ini", original);
        ProfileFile file = ProfileFile::Load(path);
        file.set("language", "COMPORT", "5");
        file.set("language", "IsFirstRun", "0");
        file.set("new", "k", "v");
        QVERIFY(file.save(path));
        QCOMPARE(Read(path),
                 QByteArray("; comment\r\n[Language]\r\ncomPort=5\r\nIsFirstRun=0\r\n\r\n"
                            "[Other]\r\nx=\xD6\xD0\r\n\r\n[new]\r\nk=v\r\n"));
        // A folder that cannot be made fails cleanly.
        QVERIFY(!file.save("/proc/no/such/dir/file.ini"));
    }

    void languageTexts() {
        QTemporaryDir dir;
        const QByteArray longValue(300, 'a');
        const auto english = Write(dir, "language/english.ini",
                                   "[OTHER]\r\n1101=  &File  \r\n20=Sans\r\n9=" + longValue +
                                       "\r\n[MSG]\r\n900C=Done\r\n");
        const auto chinese =
            Write(dir, "language/chinese.ini",
                  "[OTHER]\r\n1101=\xCE\xC4\xBC\xFE\r\n9=" + QByteArray(253, 'a') + "\xCE\xC4\r\n");
        const LanguageTexts en = LanguageTexts::Load(english, Language::English);
        QCOMPARE(en.langText(1101), std::string("&File"));
        QCOMPARE(en.readMessageText("msg", "900c"), std::string("Done"));
        QCOMPARE(en.langText(9).size(), kMaxLangTextBytes);
        QCOMPARE(en.langText(4444), std::string());
        const LanguageTexts zh = LanguageTexts::Load(chinese, Language::Chinese);
        QCOMPARE(zh.langText(1101), std::string("文件"));
        QCOMPARE(zh.langText(9), std::string(253, 'a'));  // a character is never split
        const LanguageTexts none =
            LanguageTexts::Load(dir.filePath("missing.ini").toStdString(), Language::English);
        QCOMPARE(none.langText(1101), std::string());
    }

    void localeChoosesLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        QTest::newRow("mainland China") << "zh_CN.UTF-8" << 2;
        QTest::newRow("bare zh_CN") << "zh_CN" << 2;
        QTest::newRow("Taiwan") << "zh_TW.UTF-8" << 1;
        QTest::newRow("German") << "de_DE.UTF-8" << 1;
        QTest::newRow("C") << "C" << 1;
    }
    void localeChoosesLanguage() {
        QFETCH(QString, locale);
        QFETCH(int, language);
        QCOMPARE(static_cast<int>(LanguageForLocale(locale.toStdString())), language);
    }

    void setupSettings_data() {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<bool>("firstRun");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("handshake");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<int>("factoryFres");
        QTest::newRow("missing file") << QByteArray() << false << 1 << 0 << 1 << 0;
        QTest::newRow("all set") << QByteArray(
                                        "[language]\nIsFirstRun=1\ncomPort=4\nHandshaking=2\n"
                                        "StopBit=2\nFactoryFres=1\n")
                                 << true << 4 << 2 << 2 << 1;
        QTest::newRow("odd values") << QByteArray(
                                           "[language]\ncomPort=COM3\nHandshaking=9\n"
                                           "StopBit=7\nFactoryFres=99999\n")
                                    << false << 1 << 0 << 1 << 0;
    }
    void setupSettings() {
        QFETCH(QByteArray, profile);
        QFETCH(bool, firstRun);
        QFETCH(int, port);
        QFETCH(int, handshake);
        QFETCH(int, stopBits);
        QFETCH(int, factoryFres);
        const SetupSettings s = ReadSetupSettings(ProfileFile::Parse(profile.toStdString()));
        QCOMPARE(s.isFirstRun, firstRun);
        QCOMPARE(s.PortNumber, port);
        QCOMPARE(s.HandshakeMode, handshake);
        QCOMPARE(s.StopBits, stopBits);
        QCOMPARE(s.FactoryFres, factoryFres);
    }

    void firstRunIsWrittenBack() {
        ProfileFile file = ProfileFile::Parse("[language]\r\nIsFirstRun=1\r\ncomPort=2\r\n");
        WriteStartupValues(file, ReadSetupSettings(file));
        QCOMPARE(QString::fromStdString(file.text()),
                 QString("[language]\r\nIsFirstRun=0\r\ncomPort=2\r\n"));
        ProfileFile notFirst = ProfileFile::Parse("[language]\r\nIsFirstRun=0\r\n");
        WriteStartupValues(notFirst, ReadSetupSettings(notFirst));
        QCOMPARE(QString::fromStdString(notFirst.text()),
                 QString("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\n"));
    }

    void featureFile() {
        QTemporaryDir dir;
        const auto path = Write(dir, "Setting.ini", QByteArray::fromHex("0100000001000000"));
        const FeatureFlags flags = ReadFeatureFlags(path);
        QCOMPARE(flags, (FeatureFlags{1, 0, 1, 0}));
        QVERIFY(WriteFeatureFlags(path, FeatureFlags{0, 1, 1, 1}));
        QCOMPARE(Read(path), QByteArray::fromHex("0000010001000100"));
        QCOMPARE(ReadFeatureFlags(Write(dir, "short.ini", "\x01\x00")), FeatureFlags{});
        QCOMPARE(ReadFeatureFlags(dir.filePath("none").toStdString()), FeatureFlags{});
    }

    void factoryMarker_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("factory");
        const QByteArray text = "KV-207_4816_Service_ToolUnlocked";
        QTest::newRow("exact") << text << true;
        QTest::newRow("NULs after") << text + QByteArray(20, '\0') << true;
        QTest::newRow("blanks after") << text + "    " << true;
        QTest::newRow("CR LF after") << text + "\r\n" << false;
        QTest::newRow("lower case") << text.toLower() << false;
        QTest::newRow("beyond 128 bytes") << QByteArray(128, ' ') + text << false;
    }
    void factoryMarker() {
        QFETCH(QByteArray, content);
        QFETCH(bool, factory);
        QTemporaryDir dir;
        QCOMPARE(DetermineFactoryMode(Write(dir, "TestData.ini", content)), factory);
        QVERIFY(!DetermineFactoryMode(dir.filePath("missing.ini").toStdString()));
    }

    void testDataFiles() {
        QTemporaryDir dir;
        QCOMPARE(CompanionTestDataPath("/x/radio.dat")->string(), std::string("/x/radio.ted"));
        QVERIFY(!CompanionTestDataPath("dat").has_value());

        const auto path = Write(dir, "radio.ted", QByteArray(16, '\x11') + "tail");
        TestData data{};
        QCOMPARE(LoadTestDataFile(path, data), TestDataLoad::Loaded);
        QCOMPARE(data[15], 0x11);
        data.fill(0xAA);
        QVERIFY(SaveTestDataFile(path, data));
        QCOMPARE(Read(path), QByteArray(16, '\xAA') + "tail");

        TestData kept{};
        kept[0] = 7;
        QCOMPARE(LoadTestDataFile(dir.filePath("none.ted").toStdString(), kept),
                 TestDataLoad::Missing);
        QCOMPARE(LoadTestDataFile(Write(dir, "short.ted", "abc"), kept), TestDataLoad::Unreadable);
        QCOMPARE(kept[0], 7);
        QVERIFY(!SaveTestDataFile("/proc/none/x.ted", data));
    }

    void homeFolders() {
        QTemporaryDir dir;
        const AppHome home = AppHomeAt(dir.path().toStdString());
        QCOMPARE(home.writableDir, home.dataDir);
        QCOMPARE(home.languageFile(Language::Chinese).filename().string(),
                 std::string("chinese.ini"));
        QCOMPARE(home.setupProfileForRead(), home.dataDir / "language" / "mysetup.ini");
        const AppHome readOnly = AppHomeAt("/proc");
        QCOMPARE(readOnly.writableDir, PerUserFolder());
        qputenv("TORVIK_HOME", dir.path().toLocal8Bit());
        QCOMPARE(ResolveAppHome(std::nullopt).dataDir, home.dataDir);
        QCOMPARE(ResolveAppHome(std::filesystem::path("/proc")).dataDir,
                 std::filesystem::path("/proc"));
    }

    // Which data folder a run takes: --home, then $TORVIK_HOME, then the program's own folder
    // when the shipped files lie beside it (a build tree), else the installed folder.
    void defaultDataDir_data() {
        QTest::addColumn<QString>("explicitHome");  // empty: no --home
        QTest::addColumn<QString>("environment");   // empty: unset
        QTest::addColumn<bool>("besideHoldsFiles");
        QTest::addColumn<QString>("expected");  // "program", "installed" or a folder
        QTest::newRow("files beside the program") << ""
                                                  << "" << true << "program";
        QTest::newRow("nothing beside: installed folder") << ""
                                                          << "" << false << "installed";
        QTest::newRow("environment wins") << ""
                                          << "/env/home" << true << "/env/home";
        QTest::newRow("--home wins") << "/opt/home"
                                     << "/env/home" << true << "/opt/home";
        QTest::newRow("--home over the installed folder") << "/opt/home"
                                                          << "" << false << "/opt/home";
    }
    void defaultDataDir() {
        QFETCH(QString, explicitHome);
        QFETCH(QString, environment);
        QFETCH(bool, besideHoldsFiles);
        QFETCH(QString, expected);
        QTemporaryDir program;
        QTemporaryDir installed;
        if (besideHoldsFiles) Write(program, "language/english.ini", "[OTHER]\n");
        Write(installed, "language/english.ini", "[OTHER]\n");
        QCOMPARE(HoldsShippedFiles(program.path().toStdString()), besideHoldsFiles);

        std::optional<std::filesystem::path> home;
        if (!explicitHome.isEmpty()) home = explicitHome.toStdString();
        const std::string env = environment.toStdString();
        const std::filesystem::path chosen =
            ChooseDataDir(home, environment.isEmpty() ? nullptr : env.c_str(),
                          program.path().toStdString(), installed.path().toStdString());
        const std::filesystem::path want = expected == "program" ? program.path().toStdString()
                                           : expected == "installed"
                                               ? installed.path().toStdString()
                                               : expected.toStdString();
        QCOMPARE(chosen, want);

        // Settings are written beside the program when it may, never into the installed
        // folder (root may write there, the package manager owns it).
        if (explicitHome.isEmpty() && environment.isEmpty()) {
            const AppHome home = AppHomeAt(chosen, installed.path().toStdString());
            QCOMPARE(home.writableDir, besideHoldsFiles ? chosen : PerUserFolder());
        }
    }

    // The installed folder comes from the install prefix the build was configured with.
    void installedDataDir() {
        const std::filesystem::path dir = InstalledDataDir();
        QVERIFY(dir.is_absolute());
        QCOMPARE(dir.filename().string(), std::string("torvik"));
    }
};

QTEST_APPLESS_MAIN(ProfileSettingsTest)
#include "test_profile_settings.moc"
