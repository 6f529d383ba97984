// The 5-Tone editor's rules without widgets: composing special calls, what the code list
// shows for them, the own-ID re-targeting and the gathering at OK, the information-code
// check.
#include <QtTest>

#include "calling/fivetone/five_tone_form.h"
#include "calling/fivetone/info_codes.h"
#include "calling/fivetone/special_call.h"

using namespace torvik;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const FiveToneWords kWords{"Data call", "Msg:"};

SpecialCallInput Call(SpecialCallType type, char separator = 0) {
    SpecialCallInput in;
    in.type = type;
    in.dataCode = "12345";
    in.dataText = "HI";
    in.aniCode = "11111";
    in.separator = separator;
    in.ownId = "22222";
    return in;
}

// A working copy with own ID 22222 and the gathering an OK makes of its shown rows.
void Gather(FiveToneSettings& s, const std::string& ownId) {
    FiveToneForm f = FiveToneFormOf(s, 2);
    f.ownId = ownId;
    const FiveToneCodeRows rows = FiveToneRowsOf(s, ownId, kWords);
    std::uint8_t decodeTime = 0;
    GatherFiveTone(f, rows, s, decodeTime);
}

}  // namespace

class FiveToneFormTest : public QObject {
    Q_OBJECT

  private slots:
    // Own ID 22222: the worked results for a PTT-ID box.
    void specialCallBoxText_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("ANI") << int(SpecialCallType::Ani) << '\0' << "1E1E12E2E2";
        QTest::newRow("ANI with separator") << int(SpecialCallType::Ani) << 'A' << "1E1E1A2E2E2";
        QTest::newRow("data call") << int(SpecialCallType::Data) << '\0' << "E1E2345E4849";
        QTest::newRow("PTT-ID") << int(SpecialCallType::PttId) << '\0' << "E62E2E2";
    }
    void specialCallBoxText() {
        QFETCH(int, type);
        QFETCH(char, separator);
        QFETCH(QString, text);
        QCOMPARE(Q(SpecialCallBoxText(Call(SpecialCallType(type), separator))), text);
    }

    // The same calls as code-table entries keep the placeholder until the editor's OK.
    void specialCallEntry_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("afterOk");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ANI") << int(SpecialCallType::Ani) << "1E1E1ASelfID" << 12 << "1E1E1A2E2E2"
                             << "11111A";
        QTest::newRow("data call")
            << int(SpecialCallType::Data) << "E1E2345E4849" << 12 << "E1E2345E4849"
            << "12345        Msg:HI";
        QTest::newRow("PTT-ID") << int(SpecialCallType::PttId) << "E6SelfID" << 8 << "E62E2E2"
                                << "";
    }
    void specialCallEntry() {
        QFETCH(int, type);
        QFETCH(QString, code);
        QFETCH(int, length);
        QFETCH(QString, afterOk);
        QFETCH(QString, shown);
        FiveToneSettings s;
        s.ownId = FixedText<6>::Value("22222");
        WriteSpecialCallEntry(Call(SpecialCallType(type), 'A'), s.codeTable[3]);
        QCOMPARE(Q(s.codeTable[3].code.text()), code);
        QCOMPARE(int(s.codeTable[3].length), length);
        QCOMPARE(s.codeTable[3].empty, std::int16_t{0});
        Gather(s, "22222");
        QCOMPARE(Q(s.codeTable[3].code.text()), afterOk);
        QCOMPARE(int(s.codeTable[3].length), afterOk.size());
        QCOMPARE(Q(FiveToneRowOf(s.codeTable[3], "22222", kWords).code), shown);
    }

    void dataCallMessageIsNeverSubstituted() {
        SpecialCallInput in = Call(SpecialCallType::Data);
        in.dataText = "AAAAAAAAAAAAAAAA";
        FiveToneCode entry;
        WriteSpecialCallEntry(in, entry);
        QCOMPARE(int(entry.length), 40);
        QCOMPARE(Q(entry.code.text()), "E1E2345E" + QString("41").repeated(16));
    }

    // Changing the own ID re-targets an ANI entry; the list keeps showing the called code.
    void ownIdChangeRetargetsAnAniEntry() {
        FiveToneSettings s;
        s.ownId = FixedText<6>::Value("22222");
        WriteSpecialCallEntry(Call(SpecialCallType::Ani, 'A'), s.codeTable[0]);
        s.pttIdBegin.code = FixedText<40>::Value("E62E2E2");
        s.pttIdBegin.length = 7;
        Gather(s, "22222");
        QCOMPARE(Q(s.codeTable[0].code.text()), "1E1E1A2E2E2");

        s.ownId = FixedText<6>::Value("33333");
        Gather(s, "33333");
        RetargetFiveToneCodes(s, "22222");
        QCOMPARE(Q(FiveToneRowOf(s.codeTable[0], "33333", kWords).code), "11111A");
        QCOMPARE(Q(s.pttIdBegin.code.text()), "E633333");
        Gather(s, "33333");
        QCOMPARE(Q(s.codeTable[0].code.text()), "1E1E1A3E3E3");
        QCOMPARE(Q(s.pttIdBegin.code.text()), "E63E3E3");
    }

    void typedCodeIsNormalised() {
        FiveToneSettings s;
        FiveToneCodeRow row = FiveToneRowOf(s.codeTable[5], "", kWords);
        QCOMPARE(Q(row.standard), "ZVEI1");
        QCOMPARE(Q(row.duration), "70");
        QCOMPARE(Q(StoreFiveToneCell(s, row, 5, kColCode, "11111", "")), "1E1E1");
        QCOMPARE(int(s.codeTable[5].length), 5);
        QCOMPARE(s.codeTable[5].empty, std::int16_t{0});
        // Choosing EEA sets the tone length beside it to the standard's own.
        StoreFiveToneCell(s, row, 5, kColStandard, "EEA", "");
        QCOMPARE(Q(row.duration), "40");
        QCOMPARE(int(s.codeTable[5].duration), 4);
        QCOMPARE(Q(StoreFiveToneCell(s, row, 5, kColCode, "", "")), "");
        QCOMPARE(s.codeTable[5].empty, std::int16_t{1});
    }

    void specialCallCellsOpenNoEditor() {
        FiveToneCodeRow special{"ANI", "11111A", "ZVEI1", "70", ""};
        QVERIFY(!OpensFiveToneEditor(special, kColCode));
        QVERIFY(OpensFiveToneEditor(special, kColName));
        FiveToneCodeRow empty{"", "", "ZVEI1", "70", ""};
        QVERIFY(OpensFiveToneEditor(empty, kColCode));
        QVERIFY(!OpensFiveToneEditor(empty, kColStandard));
        FiveToneCodeRow pttId{"PTTID", "", "ZVEI1", "70", ""};
        QVERIFY(OpensFiveToneEditor(pttId, kColDuration));
    }

    void enterMovesOn_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("nextEntry");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("code") << 4 << int(kColCode) << false << 4 << int(kColStandard);
        QTest::newRow("empty code") << 4 << int(kColCode) << true << 5 << int(kColCode);
        QTest::newRow("standard") << 4 << int(kColStandard) << false << 4 << int(kColDuration);
        QTest::newRow("last duration") << 99 << int(kColDuration) << false << 0 << int(kColCode);
        QTest::newRow("name") << 7 << int(kColName) << false << 8 << int(kColName);
    }
    void enterMovesOn() {
        QFETCH(int, entry);
        QFETCH(int, column);
        QFETCH(bool, empty);
        QFETCH(int, nextEntry);
        QFETCH(int, nextColumn);
        QCOMPARE(NextFiveToneCell(entry, column, empty), std::pair(nextEntry, nextColumn));
    }

    void infoCodeCheck_data() {
        QTest::addColumn<int>("function1");
        QTest::addColumn<QString>("code1");
        QTest::addColumn<int>("function2");
        QTest::addColumn<QString>("code2");
        QTest::addColumn<bool>("killWithoutWaken");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("kill and waken")
            << int(kInfoKill) << "123" << int(kInfoWaken) << "456" << false << false;
        QTest::newRow("kill without waken")
            << int(kInfoKill) << "123" << int(kInfoIndividual) << "456" << true << false;
        QTest::newRow("stun without waken")
            << int(kInfoStun) << "123" << int(kInfoNone) << "" << true << false;
        QTest::newRow("same code")
            << int(kInfoKill) << "123" << int(kInfoWaken) << "123" << false << true;
    }
    void infoCodeCheck() {
        QFETCH(int, function1);
        QFETCH(QString, code1);
        QFETCH(int, function2);
        QFETCH(QString, code2);
        QFETCH(bool, killWithoutWaken);
        QFETCH(bool, conflict);
        std::array<InfoCode, kInfoCodeCount> codes{};
        // The other six codes hold other, distinct codes of no function.
        for (std::size_t i = 2; i < codes.size(); ++i) {
            SaveInfoCodeForm({kInfoNone, 0, std::to_string(900 + i), ""}, codes[i]);
        }
        SaveInfoCodeForm({function1, 0, code1.toStdString(), ""}, codes[0]);
        SaveInfoCodeForm({function2, 0, code2.toStdString(), ""}, codes[1]);
        const InfoCodeCheck check = CheckInfoCodes(codes);
        QCOMPARE(check.killWithoutWaken, killWithoutWaken);
        QCOMPARE(check.conflict, conflict);
    }

    void separatorItems() {
        QCOMPARE(SeparatorItemOf(13), 4);  // "D", the default
        QCOMPARE(SeparatorItemOf(0), 0);
        QCOMPARE(SeparatorItemOf(16), 0);
        QCOMPARE(SeparatorItemOf(9), 0);
        QCOMPARE(SeparatorSettingOf(3), std::int16_t{12});  // "C"
        QCOMPARE(SeparatorSettingOf(0), std::int16_t{0});
    }
};

QTEST_APPLESS_MAIN(FiveToneFormTest)
#include "test_five_tone_form.moc"
