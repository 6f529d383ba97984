// The codeplug document read back: the inverse of what it writes, consistency refusals, and
// an answer for any bytes at all.
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "platform/silent_reporter.h"
#include "storage/codeplug_files.h"
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

    // A file exported before the fields were named by meaning carries the former names; it
    // imports to the same bytes as the same values under the names now.
    void formerFieldNamesImportToTheSameBytes() {
        QFile file(QStringLiteral(TORVIK_TEXTFORM_FIXTURES "/former_field_names.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject former = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject now = CodeplugToJson(BusyCodeplug());
        QJsonObject withFormer = now;
        for (auto record = former.begin(); record != former.end(); ++record) {
            QJsonObject fields = withFormer[record.key()].toObject();
            const QJsonObject values = record.value().toObject();
            for (auto value = values.begin(); value != values.end(); ++value) {
                fields.insert(value.key(), value.value());
            }
            withFormer[record.key()] = fields;
        }
        // The same values under the names now, written by hand: the map is checked, not
        // taken from the code under test.
        const std::pair<const char*, const char*> renamed[] = {
            {"row0Choice", "displayMode"},
            {"row1Choice", "workMode"},
            {"row2Channel", "powerOnChannel"},
            {"row3Level", "squelchLevel"},
            {"row4Level", "voxLevel"},
            {"row5Choice", "voicePrompt"},
            {"row6Choice", "backlight"},
            {"row7Duration", "backlightTime"},
            {"row8Number", "currentGroup"},
            {"row10Time", "timeOutTimer"},
            {"row11Choice", "batterySave"},
            {"row12Choice", "keyLock"},
            {"row13Switch", "rogerBeep"},
            {"row14Choice", "keyBeep"},
            {"row15Choice", "busyChannelLockout"},
            {"row17Choice", "sideKey"},
            {"row18Choice", "channelDisplayExtra"},
            {"time1", "firstToneTime"},
            {"time2", "secondToneTime"},
            {"time3", "longToneTime"},
            {"time4", "toneInterval"},
            {"time5", "autoResetTime"},
            {"choice", "decodeResponse"},
            {"byte811", "preSendDelay"},
            {"byte812", "postSendDelay"},
            {"byte813", "interCodePause"},
            {"byte814", "autoResetTime"},
            {"byte817", "aniSeparator"}};
        QJsonObject withNow = now;
        for (auto record = former.begin(); record != former.end(); ++record) {
            QJsonObject formerFields = withFormer[record.key()].toObject();
            QJsonObject fields = withNow[record.key()].toObject();
            for (const auto& [old, current] : renamed) {
                if (!record.value().toObject().contains(old)) continue;
                fields[current] = record.value().toObject()[old];
                formerFields.remove(current);  // only the former name is left to read
            }
            withNow[record.key()] = fields;
            withFormer[record.key()] = formerFields;
        }

        QTemporaryDir dir;
        auto savedBytes = [&](const QJsonObject& json, const char* name) {
            JsonFieldError error;
            const auto content = CodeplugFromJson(json, error);
            if (!content) return QByteArray(error.path.c_str());
            Codeplug codeplug;
            codeplug.band.setCode(content->record.SavedBandCode);
            codeplug.record = content->record;
            codeplug.channels = content->channels;
            const QString path = dir.filePath(name);
            SilentReporter reporter;
            if (!SaveCodeplug(path.toStdString(), codeplug, reporter)) return QByteArray("unsaved");
            QFile dat(path);
            return dat.open(QIODevice::ReadOnly) ? dat.readAll() : QByteArray();
        };
        const QByteArray fromFormer = savedBytes(withFormer, "former.dat");
        QCOMPARE(fromFormer, savedBytes(withNow, "now.dat"));
        QVERIFY(fromFormer != savedBytes(now, "plain.dat"));  // the values did arrive
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
