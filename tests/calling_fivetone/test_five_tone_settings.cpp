// The 5-Tone settings record: its data-file form checked against the documented offsets,
// the defaults of a new codeplug, the stored-entry lookup and the tone-standard table.
#include <QtTest>

#include "calling/fivetone/five_tone_refs.h"
#include "calling/fivetone/five_tone_settings.h"
#include "calling/fivetone/tone_standards.h"
#include "codeplug/record_bytes.h"

using namespace torvik;

static_assert(SerializedSize<FiveToneSettings> == 5607);

namespace {

// Offsets inside the record's data-file form.
constexpr int kInfoCodes = 25;
constexpr int kInfoCodeSize = 22;
constexpr int kPttIdBegin = 201;
constexpr int kPttIdEnd = 254;
constexpr int kCodeTable = 307;
constexpr int kCodeSize = 53;

// A record with no default left anywhere, so a field that is not reset shows.
FiveToneSettings Dirty() {
    FiveToneSettings s;
    s.headerByte = 9;
    s.decodeResponse = 2;
    s.standard = 6;
    s.ownIdLength = 5;
    s.duration = 10;
    s.ownId = FixedText<6>::Value("12345");
    s.autoResetTime = 250;
    s.preSendDelay = 1;
    s.postSendDelay = 255;
    s.interCodePause = 75;
    s.firstDigitDelay = 255;
    s.pauseTime = 0;
    s.pauseCodeRange = 15;
    s.sideTone = 1;
    s.aniSeparator = 0;
    for (InfoCode& info : s.infoCodes) {
        info = {4, 2, 3, FixedText<12>::Value("A0F"), FixedText<7>::Value("STUN")};
    }
    s.pttIdBegin = {0, 0, 3, 7, 5, FixedText<40>::Value("E62E2E2"), FixedText<7>::Value("B")};
    s.pttIdEnd = {1, 0, 4, 2, 9, FixedText<40>::Value("12"), FixedText<7>::Value("E")};
    for (FiveToneCode& code : s.codeTable) {
        code = {0, 3, 13, 5, 4, FixedText<40>::Value("1E3E5"), FixedText<7>::Value("CALL")};
    }
    return s;
}

QByteArray ToQByteArray(const FiveToneSettings& s) {
    const std::vector<std::uint8_t> bytes = ToBytes(s);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

}  // namespace

class FiveToneSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void dataFileLayout() {
        FiveToneSettings s = Dirty();
        s.firstDigitDelay = 0x0102;
        s.aniSeparator = -2;
        s.infoCodes[7].function = 6;
        s.codeTable[99].name = FixedText<7>::Value("LAST");
        const QByteArray file = ToQByteArray(s);
        QCOMPARE(file.size(), 5607);

        QCOMPARE(file.mid(0, 5), QByteArray::fromHex("090206050A"));
        QCOMPARE(file.mid(5, 6), QByteArray("12345\0", 6));
        QCOMPARE(file.mid(11, 4), QByteArray::fromHex("FA01FF4B"));  // 814, 811, 812, 813
        // firstDigitDelay, pauseTime, pauseCodeRange, sideTone, aniSeparator: int16 low byte first
        QCOMPARE(file.mid(15, 10), QByteArray::fromHex("0201"
                                                       "0000"
                                                       "0F00"
                                                       "0100"
                                                       "FEFF"));
        QCOMPARE(file.mid(kInfoCodes, kInfoCodeSize), QByteArray("\x04\x02\x03"
                                                                 "A0F\0        "
                                                                 "STUN\0  ",
                                                                 22));
        QCOMPARE(file.at(kInfoCodes + 7 * kInfoCodeSize), '\x06');
        QCOMPARE(file.mid(kPttIdBegin, 6), QByteArray::fromHex("000000030705"));
        QCOMPARE(file.mid(kPttIdBegin + 6, 8), QByteArray("E62E2E2\0", 8));
        QCOMPARE(file.mid(kPttIdBegin + 46, 7), QByteArray("B\0     ", 7));
        QCOMPARE(file.mid(kPttIdEnd, 6), QByteArray::fromHex("010000040209"));
        QCOMPARE(file.mid(kCodeTable, 6), QByteArray::fromHex("0000030D0504"));
        QCOMPARE(file.mid(kCodeTable + 6, 6), QByteArray("1E3E5\0", 6));
        QCOMPARE(file.mid(kCodeTable + 99 * kCodeSize + 46, 7), QByteArray("LAST\0  ", 7));

        const std::vector<std::uint8_t> bytes = ToBytes(s);
        QVERIFY(FromBytes<FiveToneSettings>(bytes) == s);
        QCOMPARE(ChangedFields(kFiveToneSettingsFields, FromBytes<FiveToneSettings>(bytes), s),
                 std::vector<std::string_view>{});
    }

    void defaults() {
        FiveToneSettings s = Dirty();
        const FiveToneSettings before = s;
        std::uint8_t decodeTime = 200;
        ResetFiveTone(s, decodeTime);

        QCOMPARE(decodeTime, kDefaultDecodeTime);
        QCOMPARE(int(kDefaultDecodeTime), 2);
        QCOMPARE(s.headerByte, 0);
        QCOMPARE(s.decodeResponse, 0);
        QCOMPARE(s.standard, 0);
        QCOMPARE(s.ownIdLength, 0);
        QCOMPARE(s.duration, 7);
        QCOMPARE(QString::fromStdString(s.ownId.text()), QString());
        QCOMPARE(s.autoResetTime, 0);
        QCOMPARE(s.preSendDelay, 20);
        QCOMPARE(s.postSendDelay, 20);
        QCOMPARE(s.interCodePause, 10);
        QCOMPARE(s.firstDigitDelay, 20);
        QCOMPARE(s.pauseTime, 20);
        QCOMPARE(s.pauseCodeRange, 0);
        QCOMPARE(s.sideTone, 0);
        QCOMPARE(s.aniSeparator, 13);
        for (const InfoCode& info : s.infoCodes) {
            QCOMPARE(info.function, 0);
            QCOMPARE(info.response, 0);
            QCOMPARE(info.length, 0);
            QCOMPARE(QString::fromStdString(info.code.text()), QString());
            QCOMPARE(QString::fromStdString(info.name.text()), QString("STUN"));
        }
        QVERIFY(s.pttIdBegin == before.pttIdBegin);
        QVERIFY(s.pttIdEnd == before.pttIdEnd);
        for (const FiveToneCode& code : s.codeTable) {
            QCOMPARE(code.empty, 1);
            QCOMPARE(code.spare, 0);
            QCOMPARE(code.standard, 0);
            QCOMPARE(code.length, 0);
            QCOMPARE(code.duration, 7);
            QCOMPARE(QString::fromStdString(code.code.text()), QString());
            QCOMPARE(QString::fromStdString(code.name.text()), QString("CALL"));
        }
    }

    void firstStoredEntry_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("stored itself") << QList<int>{3, 40} << 40 << 40;
        QTest::newRow("falls back to first") << QList<int>{3, 40} << 41 << 3;
        QTest::newRow("nothing stored") << QList<int>{} << 17 << 0;
        QTest::newRow("last entry") << QList<int>{99} << 99 << 99;
        QTest::newRow("out of range") << QList<int>{5} << 100 << 5;
        QTest::newRow("negative") << QList<int>{5} << -1 << 5;
    }
    void firstStoredEntry() {
        QFETCH(QList<int>, stored);
        QFETCH(int, n);
        QFETCH(int, expected);
        FiveToneSettings s;
        for (int k : stored) s.codeTable[static_cast<std::size_t>(k)].empty = 0;
        QCOMPARE(FirstStoredFiveToneEntry(s, n), expected);
    }

    void toneStandards() {
        const QStringList names{"ZVEI1",       "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
                                "PDZVEI",      "CCIR1", "CCIR2", "PCCIR", "EEA",
                                "EURO SIGNAL", "NATEL", "MODAT", "CCITT"};
        QCOMPARE(int(ToneStandardTable.size()), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const ToneStandard& standard = ToneStandardTable[static_cast<std::size_t>(i)];
            QCOMPARE(QString::fromLatin1(standard.name.data(), int(standard.name.size())),
                     names[i]);
            QCOMPARE(ToneStandardIndex(standard.name), std::optional<int>(i));
        }
        QCOMPARE(ToneStandardIndex("CCIR"), std::optional<int>());

        auto frequency = [](int standard, int symbol) {
            const std::string_view f = ToneStandardTable[static_cast<std::size_t>(standard)]
                                           .frequencies[static_cast<std::size_t>(symbol)];
            return QString::fromLatin1(f.data(), int(f.size()));
        };
        QCOMPARE(frequency(0, 0), QString("2400"));
        QCOMPARE(frequency(0, 15), QString("680"));
        QCOMPARE(frequency(4, 10), QString("825/885"));
        QCOMPARE(frequency(2, 11), QString());  // no tone
        QCOMPARE(frequency(10, 5), QString("652.0"));
        QCOMPARE(frequency(10, 14), QString("1062.9"));
        QCOMPARE(frequency(12, 14), QString("487.5"));
        QCOMPARE(frequency(13, 15), QString("0.0"));
        QCOMPARE(frequency(5, 15), QString());

        const int lengths[] = {70, 70, 70, 70, 70, 70, 100, 70, 100, 40, 100, 70, 40, 70};
        for (int i = 0; i < kToneStandardCount; ++i) {
            QCOMPARE(ToneStandardTable[static_cast<std::size_t>(i)].defaultLengthMs, lengths[i]);
        }
    }

    void referencesFollowTheStoredEntries() {
        FiveToneSettings settings;
        std::uint8_t decodeTime = 0;
        ResetFiveTone(settings, decodeTime);
        for (auto& entry : settings.codeTable) entry.empty = 1;
        settings.codeTable[4].empty = 0;
        settings.codeTable[9].empty = 0;

        ChannelTable channels;
        for (int n : {1, 2, 3}) {
            ChannelRecord r = NewChannelRecord(n);
            r.Used = 1;
            r.Signaling = n == 3 ? 2 : 3;  // channel 3 signals with 2-Tone
            r.FiveToneNo = static_cast<std::int16_t>(n == 1 ? 9 : 7);
            channels.records[static_cast<std::size_t>(channels.ChannelCount++)] = r;
        }
        channels.records[2].FiveToneNo = 7;
        EmergencySettings emergency;
        emergency.idCodeType = 2;
        emergency.idCode = 50;

        CorrectFiveToneReferences(settings, channels, emergency);
        QCOMPARE(channels.records[0].FiveToneNo, 9);  // still stored
        QCOMPARE(channels.records[1].FiveToneNo, 4);  // emptied: the first stored entry
        QCOMPARE(channels.records[2].FiveToneNo, 7);  // not a 5-Tone channel
        QCOMPARE(emergency.idCode, 4);

        emergency.idCodeType = 1;  // a DTMF memory number is no 5-Tone reference
        emergency.idCode = 50;
        CorrectFiveToneReferences(settings, channels, emergency);
        QCOMPARE(emergency.idCode, 50);
    }
};

QTEST_APPLESS_MAIN(FiveToneSettingsTest)
#include "test_five_tone_settings.moc"
