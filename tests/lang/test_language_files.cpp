// The two shipped language files: every key the windows look up is present in both languages
// in the section it is read from, the files stay within what the reader handles (CR LF lines,
// plain decimal keys, values of at most 254 bytes), and the Chinese file is GBK Chinese.
#include <QtTest>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/language_texts.h"
#include "platform/gbk.h"

using namespace torvik;

namespace {

struct LangKey {
    const char* section;
    const char* key;
};

// Every key that a window, message or printout looks up, grouped by the window that uses it
// first (later windows reuse many of them). This is what the windows rely on: a window that
// needs a new key adds it here and to both files.
// clang-format off
constexpr LangKey kContract[] = {
    // Every window
    {"OTHER", "20"}, {"OTHER", "21"}, {"OTHER", "101"}, {"OTHER", "102"},
    // Main window menus
    {"OTHER", "1000"}, {"OTHER", "1001"}, {"OTHER", "1002"}, {"OTHER", "1003"}, {"OTHER", "1004"},
    {"OTHER", "1005"}, {"OTHER", "1006"}, {"OTHER", "1007"}, {"OTHER", "1008"}, {"OTHER", "1009"}, {"OTHER", "1012"}, {"OTHER", "1010"}, {"OTHER", "1011"}, {"OTHER", "1020"},
    {"OTHER", "1021"}, {"OTHER", "1023"}, {"OTHER", "1024"}, {"OTHER", "1025"}, {"OTHER", "1026"},
    {"OTHER", "1027"}, {"OTHER", "1028"}, {"OTHER", "1030"}, {"OTHER", "1031"}, {"OTHER", "1032"},
    {"OTHER", "1033"}, {"OTHER", "1040"}, {"OTHER", "1041"}, {"OTHER", "1042"}, {"OTHER", "1043"},
    {"OTHER", "1050"}, {"OTHER", "1052"}, {"OTHER", "1060"}, {"OTHER", "1061"}, {"OTHER", "1070"},
    {"OTHER", "1071"}, {"OTHER", "1072"}, {"OTHER", "1073"}, {"OTHER", "1074"}, {"OTHER", "1804"},
    {"OTHER", "2401"}, {"OTHER", "2601"}, {"OTHER", "8001"},
    // Main window tree
    {"OTHER", "2400"}, {"OTHER", "2600"}, {"OTHER", "5021"}, {"OTHER", "5023"}, {"OTHER", "5024"},
    {"OTHER", "5025"}, {"OTHER", "5028"}, {"OTHER", "5804"}, {"OTHER", "8000"},
    // Main window caption and channel list
    {"OTHER", "2012"}, {"OTHER", "3006"}, {"OTHER", "1101"}, {"OTHER", "1140"}, {"OTHER", "1103"},
    {"OTHER", "1104"}, {"OTHER", "1106"}, {"OTHER", "1107"}, {"OTHER", "1108"}, {"OTHER", "1109"},
    {"OTHER", "1110"}, {"OTHER", "1112"}, {"OTHER", "1113"}, {"OTHER", "1202"}, {"OTHER", "1204"},
    {"OTHER", "1205"}, {"OTHER", "1206"}, {"OTHER", "1221"}, {"MSG", "9001"},
    // Channel editor
    {"OTHER", "1300"}, {"OTHER", "1301"}, {"OTHER", "1105"}, {"OTHER", "1111"}, {"OTHER", "1114"},
    {"OTHER", "1207"}, {"OTHER", "1210"}, {"OTHER", "1211"}, {"OTHER", "1212"}, {"OTHER", "1214"},
    {"OTHER", "1215"}, {"OTHER", "1216"}, {"OTHER", "1217"}, {"OTHER", "1218"}, {"OTHER", "1219"},
    {"OTHER", "1220"}, {"OTHER", "1717"}, {"OTHER", "1742"}, {"OTHER", "1743"}, {"OTHER", "1744"},
    {"OTHER", "1745"}, {"OTHER", "1746"}, {"OTHER", "1755"}, {"OTHER", "1756"}, {"OTHER", "1765"},
    {"OTHER", "1766"}, {"OTHER", "1767"}, {"OTHER", "1784"}, {"OTHER", "1785"}, {"OTHER", "1786"},
    {"OTHER", "1787"}, {"OTHER", "1788"}, {"OTHER", "2001"},
    // Model and band dialog
    {"OTHER", "2300"}, {"OTHER", "2301"}, {"OTHER", "2302"},
    // Serial port dialog
    {"OTHER", "1401"}, {"OTHER", "1402"},
    // Language dialog
    {"OTHER", "1501"}, {"OTHER", "1502"}, {"OTHER", "1503"},
    // Programming password dialog
    {"OTHER", "3100"}, {"OTHER", "3101"},
    // Radio read and write messages
    {"OTHER", "2002"}, {"OTHER", "2003"}, {"OTHER", "2004"}, {"OTHER", "2005"}, {"OTHER", "2006"},
    {"OTHER", "2007"}, {"OTHER", "2008"},
    // Print dialog and printout
    {"OTHER", "3008"}, {"OTHER", "3009"}, {"OTHER", "1751"}, {"OTHER", "1102"}, {"OTHER", "3007"},
    // About box
    {"OTHER", "1036"}, {"OTHER", "1038"}, {"OTHER", "1039"}, {"OTHER", "1900"}, {"OTHER", "2100"},
    {"OTHER", "2101"}, {"OTHER", "2200"},
    // Optional functions editor
    {"OTHER", "1701"}, {"OTHER", "1702"}, {"OTHER", "1703"}, {"OTHER", "1704"}, {"OTHER", "1705"},
    {"OTHER", "1706"}, {"OTHER", "1707"}, {"OTHER", "1708"}, {"OTHER", "1709"}, {"OTHER", "1710"},
    {"OTHER", "1711"}, {"OTHER", "1712"}, {"OTHER", "1713"}, {"OTHER", "1714"}, {"OTHER", "1715"},
    {"OTHER", "1716"}, {"OTHER", "1718"}, {"OTHER", "1719"}, {"OTHER", "1720"}, {"OTHER", "1721"},
    {"OTHER", "1722"}, {"OTHER", "1723"}, {"OTHER", "1724"}, {"OTHER", "1730"}, {"OTHER", "1731"},
    {"OTHER", "1732"}, {"OTHER", "1733"}, {"OTHER", "1734"}, {"OTHER", "1737"}, {"OTHER", "1738"},
    {"OTHER", "1739"}, {"OTHER", "1747"}, {"OTHER", "1748"}, {"OTHER", "1749"}, {"OTHER", "1750"},
    {"OTHER", "1752"}, {"OTHER", "1753"}, {"OTHER", "1754"}, {"OTHER", "1761"}, {"OTHER", "1762"},
    {"OTHER", "1768"}, {"OTHER", "1769"}, {"OTHER", "1770"}, {"OTHER", "1782"}, {"OTHER", "1790"},
    {"OTHER", "1791"}, {"OTHER", "1792"}, {"OTHER", "1794"}, {"OTHER", "1795"}, {"OTHER", "1796"},
    {"OTHER", "1797"}, {"OTHER", "1798"}, {"OTHER", "1799"}, {"OTHER", "3010"}, {"OTHER", "3011"},
    // DTMF editor
    {"OTHER", "1602"}, {"OTHER", "1603"}, {"OTHER", "1604"}, {"OTHER", "1605"}, {"OTHER", "1606"},
    {"OTHER", "1607"}, {"OTHER", "1608"}, {"OTHER", "1609"}, {"OTHER", "1610"}, {"OTHER", "1611"},
    {"OTHER", "1612"}, {"OTHER", "1650"}, {"OTHER", "1651"}, {"OTHER", "1653"}, {"OTHER", "1740"},
    {"OTHER", "1741"}, {"OTHER", "1780"}, {"OTHER", "3001"}, {"OTHER", "3002"}, {"OTHER", "3003"},
    {"OPTION", "60069"}, {"OPTION", "60093"}, {"OPTION", "60302"}, {"OPTION", "60303"},
    // DTMF special call dialog
    {"OPTION", "60064"}, {"OPTION", "60076"},
    // Communication book
    {"OTHER", "1800"}, {"OTHER", "1801"}, {"OTHER", "1802"}, {"OTHER", "1803"},
    // 2Tone editor
    {"OPTION", "60024"}, {"OPTION", "60025"}, {"OPTION", "60043"}, {"OPTION", "60044"},
    {"OPTION", "60045"}, {"OPTION", "60046"}, {"OPTION", "60047"}, {"OPTION", "60048"},
    {"OPTION", "60049"}, {"OPTION", "60050"}, {"OPTION", "60051"}, {"OPTION", "60053"},
    {"OPTION", "60054"}, {"OPTION", "60055"}, {"OPTION", "60056"}, {"OPTION", "60057"},
    {"OPTION", "60058"}, {"OPTION", "60059"}, {"OPTION", "60304"}, {"OPTION", "60307"},
    {"OPTION", "60312"},
    // 5Tone editor
    {"OTHER", "3004"}, {"OTHER", "3005"}, {"MSG", "900C"}, {"OPTION", "60052"}, {"OPTION", "60061"},
    {"OPTION", "60062"}, {"OPTION", "60070"}, {"OPTION", "60071"}, {"OPTION", "60072"},
    {"OPTION", "60074"}, {"OPTION", "60075"}, {"OPTION", "60079"}, {"OPTION", "60080"},
    {"OPTION", "60081"}, {"OPTION", "60082"}, {"OPTION", "60085"}, {"OPTION", "60086"},
    {"OPTION", "60087"}, {"OPTION", "60088"}, {"OPTION", "60095"}, {"OPTION", "60096"},
    {"OPTION", "60097"}, {"OPTION", "60098"}, {"OPTION", "60099"}, {"OPTION", "60300"},
    {"OPTION", "60301"}, {"OPTION", "60305"}, {"OPTION", "60306"}, {"OPTION", "60308"},
    {"OPTION", "60309"}, {"OPTION", "60310"}, {"OPTION", "60311"}, {"OPTION", "60314"},
    {"OPTION", "60315"},
    // 5Tone special call dialog
    {"OPTION", "60063"}, {"OPTION", "60073"}, {"OPTION", "60077"}, {"OPTION", "60084"},
    {"OPTION", "60313"}, {"OPTION", "60318"},
    // Emergency alarm editor
    {"OTHER", "2602"}, {"OTHER", "2603"}, {"OTHER", "2604"}, {"OTHER", "2605"}, {"OTHER", "2606"},
    {"OTHER", "2607"}, {"OTHER", "2608"}, {"OTHER", "2609"}, {"OTHER", "2610"}, {"OTHER", "2611"},
    {"OTHER", "2612"}, {"OTHER", "2613"}, {"OTHER", "2614"}, {"OTHER", "2615"}, {"OTHER", "2630"},
    {"OTHER", "2631"}, {"OTHER", "2632"}, {"OTHER", "2633"}, {"OTHER", "2634"}, {"OTHER", "2635"},
    {"OTHER", "2636"}, {"OTHER", "2436"},
    // Scan editor
    {"OTHER", "2402"}, {"OTHER", "2403"}, {"OTHER", "2404"}, {"OTHER", "2405"}, {"OTHER", "2406"},
    {"OTHER", "2407"}, {"OTHER", "2408"}, {"OTHER", "2409"}, {"OTHER", "2410"}, {"OTHER", "2411"},
    {"OTHER", "2412"}, {"OTHER", "2413"}, {"OTHER", "2430"}, {"OTHER", "2431"}, {"OTHER", "2432"},
    {"OTHER", "2433"}, {"OTHER", "2434"}, {"OTHER", "2435"}, {"OTHER", "2437"}, {"OTHER", "2438"},
    {"OTHER", "2439"},
};
// clang-format on

std::filesystem::path LanguageFile(Language language) {
    return std::filesystem::path(TORVIK_DATA_DIR) / "language" /
           (language == Language::Chinese ? "chinese.ini" : "english.ini");
}

std::string FileBytes(Language language) {
    QFile file(QString::fromStdString(LanguageFile(language).string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

LanguageTexts Texts(Language language) {
    return LanguageTexts::Load(LanguageFile(language), language);
}

std::string Lookup(const LanguageTexts& texts, const std::string& section, const std::string& key) {
    return section == "OTHER" ? texts.langText(std::stoi(key))
                              : texts.readMessageText(section, key);
}

// One "key=value" line exactly as the file holds it.
struct RawEntry {
    std::string section;
    std::string key;
    std::string value;
    int line;
};

struct RawFile {
    std::vector<std::string> sections;
    std::vector<RawEntry> entries;
    QStringList faults;
};

// A strict reading of the lines: CR LF line ends, and nothing but blank lines, ";" comments,
// "[section]" lines and key=value lines inside a section.
RawFile ReadStrictly(const std::string& bytes) {
    RawFile file;
    auto fault = [&](int line, const QString& what) {
        file.faults << QStringLiteral("line %1: %2").arg(line).arg(what);
    };
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) {
        fault(0, "the file does not end with CR LF");
    }
    std::string section;
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 2;
        ++number;
        if (line.find_first_of("\r\n") != std::string::npos) fault(number, "bare CR or LF");
        if (line.empty()) continue;
        if (line.front() == ';') {
            // The profile reader has no comments: a ";" line with "=" would read as a key.
            if (line.find('=') != std::string::npos) fault(number, "comment holds '='");
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') fault(number, "broken section line");
            section = line.substr(1, line.size() - 2);
            file.sections.push_back(section);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || section.empty()) {
            fault(number, "neither a comment, a section nor a key inside a section");
            continue;
        }
        file.entries.push_back({section, line.substr(0, eq), line.substr(eq + 1), number});
    }
    return file;
}

bool HoldsChinese(const std::string& utf8) {
    for (const QChar c : QString::fromStdString(utf8)) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    }
    return false;
}

QString Name(const RawEntry& entry) {
    return QStringLiteral("%1 %2 (line %3)")
        .arg(QString::fromStdString(entry.section), QString::fromStdString(entry.key))
        .arg(entry.line);
}

}  // namespace

Q_DECLARE_METATYPE(Language)

class LanguageFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKeyHasText_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        for (const LangKey& entry : kContract) {
            const QString name = QStringLiteral("%1 %2").arg(entry.section, entry.key);
            QTest::newRow(name.toUtf8().constData()) << entry.section << entry.key;
        }
    }
    void everyKeyHasText() {
        static const LanguageTexts english = Texts(Language::English);
        static const LanguageTexts chinese = Texts(Language::Chinese);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QVERIFY(!Lookup(english, section.toStdString(), key.toStdString()).empty());
        QVERIFY(!Lookup(chinese, section.toStdString(), key.toStdString()).empty());
    }

    void layout_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("english") << Language::English;
        QTest::newRow("chinese") << Language::Chinese;
    }
    void layout() {
        QFETCH(Language, language);
        const std::string bytes = FileBytes(language);
        QVERIFY2(!bytes.empty(), LanguageFile(language).string().c_str());
        const RawFile file = ReadStrictly(bytes);
        QVERIFY2(file.faults.isEmpty(), qPrintable(file.faults.join("; ")));
        QCOMPARE(file.sections, (std::vector<std::string>{"OTHER", "MSG", "OPTION"}));

        std::set<std::pair<std::string, std::string>> expected;
        for (const LangKey& entry : kContract) expected.insert({entry.section, entry.key});
        std::set<std::pair<std::string, std::string>> present;
        for (const RawEntry& entry : file.entries) {
            QVERIFY2(present.insert({entry.section, entry.key}).second,
                     qPrintable("duplicate key " + Name(entry)));
            // A key nobody reads is a typo or a key left in the wrong section.
            QVERIFY2(expected.count({entry.section, entry.key}),
                     qPrintable("stray " + Name(entry)));
            QVERIFY2(entry.value.size() <= kMaxLangTextBytes,
                     qPrintable("too long " + Name(entry)));
            QVERIFY2(!entry.value.empty() && entry.value.front() != ' ' &&
                         entry.value.back() != ' ' && entry.value.front() != '"' &&
                         entry.value.front() != '\'',
                     qPrintable("blank or quoted value " + Name(entry)));
            if (entry.section == "OTHER") {
                // LangText looks a 16-bit key up by its plain decimal text.
                const std::string& key = entry.key;
                const bool plain = !key.empty() && key.size() <= 5 && key.front() != '0' &&
                                   key.find_first_not_of("0123456789") == std::string::npos;
                QVERIFY2(plain && std::stoi(key) <= 32767, qPrintable("key form " + Name(entry)));
            }
        }
        QCOMPARE(present.size(), expected.size());
    }

    void englishIsAscii() {
        for (const unsigned char c : FileBytes(Language::English)) QVERIFY(c < 0x80);
    }

    void chineseIsGbkChinese() {
        const std::string bytes = FileBytes(Language::Chinese);
        QVERIFY(GbkToUtf8(bytes).has_value());
        const LanguageTexts texts = Texts(Language::Chinese);
        const RawFile file = ReadStrictly(bytes);
        std::size_t chinese = 0;
        for (const RawEntry& entry : file.entries) {
            const auto utf8 = GbkToUtf8(entry.value);
            QVERIFY2(utf8.has_value(), qPrintable("not GBK " + Name(entry)));
            // Nothing is replaced by "?" on the way through the reader.
            QCOMPARE(Lookup(texts, entry.section, entry.key), *utf8);
            if (HoldsChinese(*utf8)) ++chinese;
        }
        // Names such as "DTMF", "ANI" or "1:2" are the same in both languages; the rest is
        // Chinese.
        QVERIFY2(chinese * 10 >= file.entries.size() * 8, qPrintable(QString::number(chinese)));
        for (const int key : {101, 102, 1041, 1042, 2001, 2003, 2600}) {
            QVERIFY2(HoldsChinese(texts.langText(key)), qPrintable(QString::number(key)));
        }
        QVERIFY(HoldsChinese(texts.readMessageText("MSG", "9001")));
        QVERIFY(HoldsChinese(texts.readMessageText("OPTION", "60062")));
    }

    void fonts_data() { layout_data(); }
    void fonts() {
        QFETCH(Language, language);
        const LanguageTexts texts = Texts(language);
        QVERIFY(!texts.langText(20).empty());
        const std::string size = texts.langText(21);
        QVERIFY(!size.empty() && size.find_first_not_of("0123456789") == std::string::npos);
        QVERIFY(std::stoi(size) >= 6 && std::stoi(size) <= 24);
    }

    // The two questions of the language files are asked with Yes/No/Cancel and Retry/Cancel.
    void questionsReadAsQuestions() {
        const LanguageTexts english = Texts(Language::English);
        const LanguageTexts chinese = Texts(Language::Chinese);
        QVERIFY(english.readMessageText("MSG", "9001").ends_with("?"));
        QVERIFY(chinese.readMessageText("MSG", "9001").ends_with("\xEF\xBC\x9F"));  // U+FF1F
        QVERIFY(english.langText(2003).find("Retry") != std::string::npos);
        QVERIFY(chinese.langText(2003).find("\xE9\x87\x8D\xE8\xAF\x95") != std::string::npos);
    }

    // Each menu's entries carry one access key each, distinct within the menu.
    void accessKeys_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QList<int>>("keys");
        const std::vector<std::pair<const char*, QList<int>>> menus = {
            {"menu bar", {1000, 1060, 1070, 1010, 1030, 1040, 1020, 1050}},
            {"file", {1001, 1002, 1003, 1004, 1005, 1006}},
            {"channel", {1071, 1072, 1073, 1074}},
            {"edit", {1011, 1021, 1023, 1024, 1025, 2401, 2601, 1804, 1028, 8001}},
            {"settings", {1031, 1032, 1033}},
            {"program", {1041, 1042, 1043}},
            {"view", {1026, 1027}},
        };
        for (const auto& [menu, keys] : menus) {
            QTest::addRow("%s english", menu) << Language::English << keys;
            QTest::addRow("%s chinese", menu) << Language::Chinese << keys;
        }
    }
    void accessKeys() {
        QFETCH(Language, language);
        QFETCH(QList<int>, keys);
        const LanguageTexts texts = Texts(language);
        QSet<QChar> used;
        for (const int key : keys) {
            const QString caption = QString::fromStdString(texts.langText(key));
            const qsizetype amp = caption.indexOf('&');
            QVERIFY2(amp >= 0 && amp + 1 < caption.size() && caption.count('&') == 1,
                     qPrintable(caption));
            QVERIFY2(!used.contains(caption.at(amp + 1).toUpper()), qPrintable(caption));
            used.insert(caption.at(amp + 1).toUpper());
        }
    }
};

QTEST_APPLESS_MAIN(LanguageFilesTest)
#include "test_language_files.moc"
