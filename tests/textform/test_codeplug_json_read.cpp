// The codeplug document read back: the inverse of what it writes, consistency refusals, and
// an answer for any bytes at all.
#include <QJsonDocument>
#include <QtTest>
#include <random>

#include "textform/codeplug_json.h"

using namespace torvik;

namespace {

Codeplug BusyCodeplug() {
    Codeplug codeplug;
    codeplug.band.setCode(48);
    for (int number : {kChannelVFO, 7, 1}) {
        ChannelRecord& c = *AppendChannel(codeplug.channels);
        c = NewChannelRecord(number);
        c.Used = 1;
        c.Name = FixedText<7>::Raw(std::string("\xC4\xE3\x00 \xFF\x01Z", 7));  // GBK, NUL, no GBK
        c.TxPower = -5;
    }
    codeplug.record.options.welcomeMessage = FixedText<7>::Raw("\xD6\xD0\xCE\xC4   ");
    return codeplug;
}

}  // namespace

class CodeplugJsonReadTest : public QObject {
    Q_OBJECT

  private slots:
    void readsBackWhatItWrites() {
        const Codeplug codeplug = BusyCodeplug();
        JsonFieldError error;
        const auto content = CodeplugFromJson(CodeplugToJson(codeplug), error);
        QVERIFY2(content, error.path.c_str());
        QCOMPARE(content->channels, codeplug.channels);
        CodeplugRecord expected = codeplug.record;
        expected.SavedBandCode = 48;
        expected.ChannelCount = 3;
        QCOMPARE(content->record, expected);
        // GBK text is readable text in the document; bytes that are none go as hex.
        const QJsonObject json = CodeplugToJson(codeplug);
        QCOMPARE(json["OptionSettings"]["welcomeMessage"].toString(), QString("中文   "));
        QVERIFY(json["ChannelTable"][0]["Name"].isObject());
    }

    void inconsistentTablesAreRefused_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("secondNumber");
        QTest::addColumn<QString>("path");
        QTest::newRow("count") << 2 << 7 << "ChannelCount";
        QTest::newRow("twice") << 3 << kChannelVFO << "ChannelTable[1].Number";
        QTest::newRow("zero") << 3 << 0 << "ChannelTable[1].Number";
    }

    void inconsistentTablesAreRefused() {
        QFETCH(int, count);
        QFETCH(int, secondNumber);
        QFETCH(QString, path);
        QJsonObject json = CodeplugToJson(BusyCodeplug());
        json["ChannelCount"] = count;
        QJsonArray table = json["ChannelTable"].toArray();
        QJsonObject second = table[1].toObject();
        second["Number"] = secondNumber;
        table[1] = second;
        json["ChannelTable"] = table;
        JsonFieldError error;
        QVERIFY(!CodeplugFromJson(json, error));
        QCOMPARE(QString::fromStdString(error.path), path);
    }

    void anyBytesGiveAnAnswer() {
        const QByteArray text = QJsonDocument(CodeplugToJson(BusyCodeplug())).toJson();
        std::mt19937 random(15);
        for (int round = 0; round < 300; ++round) {
            QByteArray mutated = text;
            for (int i = 0; i < 4; ++i) {
                mutated[static_cast<qsizetype>(random() % mutated.size())] =
                    "0123456789\"{}[],:-.eE x"[random() % 23];
            }
            JsonFieldError error;
            const auto content = CodeplugFromJsonText(mutated, error);
            QVERIFY(content || !error.path.empty());
        }
    }
};

QTEST_GUILESS_MAIN(CodeplugJsonReadTest)
#include "test_codeplug_json_read.moc"
