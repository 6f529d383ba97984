// The channel CSV: every tone mode both ways, refusals with their line numbers, the columns
// other tools and spreadsheets write, and export followed by import.
#include <QFile>
#include <QtTest>
#include <random>

#include "codeplug/channel_record.h"
#include "interchange/channel_csv.h"
#include "interchange/csv_text.h"

using namespace torvik;

namespace {

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

Band BandOf(int code) {
    Band band;
    band.setCode(static_cast<std::int16_t>(code));
    return band;
}

ChannelCsvImport Import(const std::string& text, int bandCode = 3, const ChannelTable& base = {}) {
    return ChannelsFromCsv(text, BandOf(bandCode), base);
}

// The data row of an export of one channel, split into its cells.
QStringList ExportedRow(const ChannelRecord& channel, int bandCode = 3) {
    ChannelTable table;
    table.records[0] = channel;
    table.ChannelCount = 1;
    const std::vector<CsvLine> lines = ParseCsv(ChannelsToCsv(table, BandOf(bandCode)).text);
    QStringList cells;
    if (lines.size() == 2)
        for (const std::string& f : lines[1].fields) cells << QString::fromStdString(f);
    return cells;
}

QString Messages(const std::vector<CsvLineMessage>& messages) {
    QStringList out;
    for (const CsvLineMessage& m : messages)
        out << QString("%1: %2").arg(m.line).arg(QString::fromStdString(m.text));
    return out.join(" | ");
}

}  // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT

  private slots:
    void toneModes_data() {
        QTest::addColumn<QString>(
            "cells");  // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
        QTest::addColumn<int>("txType");
        QTest::addColumn<int>("rxType");
        QTest::addColumn<int>("txValue");  // CTCSS index or DCS code of the active side
        QTest::addColumn<int>("rxValue");
        QTest::addColumn<int>("txInvert");
        QTest::addColumn<int>("rxInvert");
        // CTCSS index 9 is 88.5 Hz, 13 is 100.0 Hz; DCS 023 is 19, 754 is 492.
        QTest::newRow("none") << ",88.5,88.5,023,NN,023,Tone->Tone" << 0 << 0 << -1 << -1 << 0 << 0;
        QTest::newRow("Tone") << "Tone,100.0,88.5,023,NN,023,Tone->Tone" << 1 << 0 << 13 << -1 << 0
                              << 0;
        QTest::newRow("TSQL") << "TSQL,88.5,100.0,023,NN,023,Tone->Tone" << 1 << 1 << 13 << 13 << 0
                              << 0;
        QTest::newRow("DTCS") << "DTCS,88.5,88.5,754,RN,023,Tone->Tone" << 2 << 2 << 492 << 492 << 1
                              << 0;
        QTest::newRow("Tone->Tone")
            << "Cross,100.0,88.5,023,NN,023,Tone->Tone" << 1 << 1 << 13 << 9 << 0 << 0;
        QTest::newRow("Tone->DTCS")
            << "Cross,100.0,88.5,023,NR,754,Tone->DTCS" << 1 << 2 << 13 << 492 << 0 << 1;
        QTest::newRow("DTCS->Tone")
            << "Cross,88.5,100.0,754,NN,023,DTCS->Tone" << 2 << 1 << 492 << 13 << 0 << 0;
        QTest::newRow("->Tone") << "Cross,88.5,100.0,023,NN,023,->Tone" << 0 << 1 << -1 << 13 << 0
                                << 0;
        QTest::newRow("->DTCS") << "Cross,88.5,88.5,023,NR,754,->DTCS" << 0 << 2 << -1 << 492 << 0
                                << 1;
        QTest::newRow("DTCS->") << "Cross,88.5,88.5,754,RN,023,DTCS->" << 2 << 0 << 492 << -1 << 1
                                << 0;
        QTest::newRow("DTCS->DTCS")
            << "Cross,88.5,88.5,754,RR,023,DTCS->DTCS" << 2 << 2 << 492 << 19 << 1 << 1;
    }

    void toneModes() {
        QFETCH(QString, cells);
        QFETCH(int, txType);
        QFETCH(int, rxType);
        QFETCH(int, txValue);
        QFETCH(int, rxValue);
        QFETCH(int, txInvert);
        QFETCH(int, rxInvert);
        const std::string text = std::string(kHeader) + "7,T,146.520000,,0.000000," +
                                 cells.toStdString() + ",FM,5.00,,5.0W,,,,,\n";
        const ChannelCsvImport result = Import(text);
        QVERIFY2(result.refused.empty(), qPrintable(Messages(result.refused)));
        QCOMPARE(result.channels.size(), std::size_t{1});
        const ChannelRecord& c = result.channels[0];
        QCOMPARE(c.Number, 8);
        QCOMPARE(int(c.TxToneType), txType);
        QCOMPARE(int(c.RxToneType), rxType);
        if (txType == 1) QCOMPARE(int(c.TxCtcss), txValue);
        if (txType == 2) QCOMPARE(int(c.TxDcs), txValue);
        if (rxType == 1) QCOMPARE(int(c.RxCtcss), rxValue);
        if (rxType == 2) QCOMPARE(int(c.RxDcs), rxValue);
        if (txType == 2) QCOMPARE(int(c.TxDcsInvert), txInvert);
        if (rxType == 2) QCOMPARE(int(c.RxDcsInvert), rxInvert);

        // Written back, the channel names the same mode and the same active values.
        const QStringList out = ExportedRow(c);
        const QStringList in = cells.split(',');
        QCOMPARE(out.value(5), in.value(0));
        if (in.value(0) == "Cross") QCOMPARE(out.value(11), in.value(6));
        if (txType == 1)
            QCOMPARE(out.value(in.value(0) == "TSQL" ? 7 : 6),
                     in.value(in.value(0) == "TSQL" ? 2 : 1));
        if (txType == 2) QCOMPARE(out.value(8), in.value(3));
        if (rxType == 2 && in.value(0) == "Cross") QCOMPARE(out.value(10), in.value(5));
        if (txType == 2 || rxType == 2) QCOMPARE(out.value(9), in.value(4));
    }

    // A file CHIRP 20221106 (the version Debian 12 ships) wrote itself: no RxDtcsCode,
    // CrossMode or Power columns. It imports whole, with the meanings CHIRP gives the missing
    // columns: a cross tone is Tone->Tone, and the power is the base channel's.
    void chirpDebian12File_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("txType");
        QTest::addColumn<int>("rxType");
        QTest::addColumn<int>("txValue");  // CTCSS index or DCS code
        QTest::addColumn<int>("rxValue");
        QTest::addColumn<int>("shiftDir");
        // CTCSS index 9 is 88.5 Hz, 13 is 100.0, 15 is 107.2, 19 is 123.0, 21 is 131.8;
        // DCS 754 is 492.
        QTest::newRow("none, simplex") << 1 << 0 << 0 << -1 << -1 << 0;
        QTest::newRow("Tone, minus") << 2 << 1 << 0 << 13 << -1 << 1;
        QTest::newRow("TSQL") << 3 << 1 << 1 << 19 << 19 << 0;
        QTest::newRow("DTCS, plus") << 4 << 2 << 2 << 492 << 492 << 2;
        QTest::newRow("Cross without CrossMode") << 5 << 1 << 1 << 15 << 21 << 0;
    }
    void chirpDebian12File() {
        QFETCH(int, number);
        QFETCH(int, txType);
        QFETCH(int, rxType);
        QFETCH(int, txValue);
        QFETCH(int, rxValue);
        QFETCH(int, shiftDir);
        QFile file(QStringLiteral(TORVIK_INTERCHANGE_FIXTURES "/chirp_20221106.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        ChannelTable base;
        ChannelRecord& kept = *AppendChannel(base);
        kept = NewChannelRecord(number);
        kept.Used = 1;
        kept.TxPower = 2;
        const ChannelCsvImport result = Import(file.readAll().toStdString(), 3, base);
        QVERIFY2(result.refused.empty(), qPrintable(Messages(result.refused)));
        QCOMPARE(result.channels.size(), std::size_t{5});
        const ChannelRecord& c = result.channels[std::size_t(number - 1)];
        QCOMPARE(int(c.Number), number);
        QCOMPARE(int(c.TxToneType), txType);
        QCOMPARE(int(c.RxToneType), rxType);
        if (txType == 1) QCOMPARE(int(c.TxCtcss), txValue);
        if (txType == 2) QCOMPARE(int(c.TxDcs), txValue);
        if (rxType == 1) QCOMPARE(int(c.RxCtcss), rxValue);
        if (rxType == 2) QCOMPARE(int(c.RxDcs), rxValue);
        QCOMPARE(int(c.ShiftDir), shiftDir);
        QCOMPARE(int(c.TxPower), 2);  // no Power column: the base channel's
    }

    void refusals_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("reason");
        QTest::newRow("outside band") << "1,A,440.000000,,0,,,,,,,,FM,5.00,,5.0W"
                                      << "outside the band";
        QTest::newRow("ctcss lacking") << "1,A,146.520000,,0,Tone,69.4,88.5,023,NN,023,,FM"
                                       << "CTCSS tone '69.4'";
        QTest::newRow("dcs lacking") << "1,A,146.520000,,0,DTCS,88.5,88.5,089,NN,023,,FM"
                                     << "DCS code '089'";
        QTest::newRow("location high") << "200,A,146.520000,,0,,,,,,,,FM"
                                       << "outside 0..199";
        QTest::newRow("location text") << "x1,A,146.520000,,0,,,,,,,,FM"
                                       << "not a whole number";
        QTest::newRow("frequency text") << "1,A,146.5x,,0,,,,,,,,FM"
                                        << "not a number";
        QTest::newRow("offset text") << "1,A,146.520000,+,0.6x,,,,,,,,FM"
                                     << "Offset '0.6x'";
        QTest::newRow("tx outside") << "1,A,146.520000,+,40.0,,,,,,,,FM"
                                    << "transmit frequency";
        QTest::newRow("power form") << "1,A,146.520000,,0,,,,,,,,FM,5.00,,High"
                                    << "Power 'High'";
        QTest::newRow("mode") << "1,A,146.520000,,0,,,,,,,,AM"
                              << "Mode 'AM'";
        QTest::newRow("cross mode") << "1,A,146.520000,,0,Cross,,,,,,Tone->X,FM"
                                    << "CrossMode";
        QTest::newRow("name") << "1,\xF0\x9F\x98\x80,146.520000,,0,,,,,,,,FM"
                              << "cannot show";
    }

    void refusals() {
        QFETCH(QString, row);
        QFETCH(QString, reason);
        const std::string text =
            std::string(kHeader) + "0,OK,146.520000,,0,,,,,,,,FM\n" + row.toStdString() + "\n";
        const ChannelCsvImport result = Import(text);
        QCOMPARE(result.refused.size(), std::size_t{1});
        QCOMPARE(result.refused[0].line, 3);
        QVERIFY2(QString::fromStdString(result.refused[0].text).contains(reason),
                 result.refused[0].text.c_str());
        QCOMPARE(result.channels.size(), std::size_t{1});
    }

    void duplicateLocationNamesTheFirstLine() {
        const ChannelCsvImport result = Import(std::string(kHeader) + "4,A,146.52\n\n4,B,146.54\n");
        QCOMPARE(result.refused.size(), std::size_t{1});
        QCOMPARE(result.refused[0].line, 4);
        QVERIFY(result.refused[0].text.find("already on line 2") != std::string::npos);
    }

    void shuffledUnknownColumnsCrlfAndQuotes() {
        const std::string text =
            "\xEF\xBB\xBF"
            "Frequency,Extra,Name,Location,Duplex,Offset,Power\r\n"
            "146.600000,x,\"A,\"\"B\"\"\",3,-,0.600000,10W\r\n"
            "\"147.000000\",,\"multi\nline\",5,split,147.600000,1.0W\r\n";
        const ChannelCsvImport result = Import(text);
        QVERIFY2(result.refused.empty(), qPrintable(Messages(result.refused)));
        QCOMPARE(result.channels.size(), std::size_t{2});
        const ChannelRecord& a = result.channels[0];
        QCOMPARE(a.Number, 4);
        QCOMPARE(std::string(a.Name.raw()), std::string("A,\"B\"  "));
        QCOMPARE(std::string(a.RxFreq.raw()), std::string("014660000"));
        QCOMPARE(int(a.ShiftDir), 1);
        QCOMPARE(std::string(a.Offset.raw()), std::string("000060000"));
        QCOMPARE(int(a.TxPower), 0);
        const ChannelRecord& b = result.channels[1];
        QCOMPARE(b.Number, 6);
        QCOMPARE(std::string(b.Name.raw()), std::string("multi\nl"));
        QCOMPARE(int(b.ShiftDir), 2);
        QCOMPARE(std::string(b.Offset.raw()), std::string("000060000"));
        QCOMPARE(int(b.TxPower), 2);
        QVERIFY(!result.notes.empty());  // the name was shortened
        QCOMPARE(result.notes[0].line, 3);
    }

    void missingRequiredColumnRefusesTheFile() {
        const ChannelCsvImport result = Import("Name,Frequency\nA,146.52\n");
        QCOMPARE(result.refused.size(), std::size_t{1});
        QCOMPARE(result.refused[0].line, 1);
        QVERIFY(result.channels.empty());
        QCOMPARE(Import("").refused.size(), std::size_t{1});
    }

    void powerLevels_data() {
        QTest::addColumn<QString>("power");
        QTest::addColumn<int>("level");
        QTest::newRow("5.0W") << "5.0W" << 0;
        QTest::newRow("10W") << "10W" << 0;
        QTest::newRow("2.0W") << "2.0W" << 1;
        QTest::newRow("3.5W tie goes low") << "3.5W" << 1;
        QTest::newRow("1.0W") << "1.0W" << 2;
        QTest::newRow("0.1W") << "0.1W" << 2;
    }

    void powerLevels() {
        QFETCH(QString, power);
        QFETCH(int, level);
        const ChannelCsvImport result =
            Import("Location,Frequency,Power\n0,146.52," + power.toStdString() + "\n");
        QCOMPARE(result.channels.size(), std::size_t{1});
        QCOMPARE(int(result.channels[0].TxPower), level);
    }

    void offRasterFrequencyIsSnappedWithANote() {
        // Band 3 counts its 2.5 kHz raster from 136 MHz: 136.0013 goes down to 136.0000.
        const ChannelCsvImport result = Import("Location,Frequency\n0,136.0013\n");
        QCOMPARE(result.channels.size(), std::size_t{1});
        QCOMPARE(std::string(result.channels[0].RxFreq.raw()), std::string("013600000"));
        QCOMPARE(result.notes.size(), std::size_t{1});
        QCOMPARE(result.notes[0].line, 2);
    }

    void hiddenFieldsComeFromTheBase() {
        ChannelTable base;
        ChannelRecord old = NewChannelRecord(3);
        old.Used = 1;
        old.RxFreq = FixedText<9>::Raw("014500000");
        old.Signaling = 2;
        old.Scrambler = 1;
        old.Bandwidth = 1;
        old.SquelchMode = 4;
        base.records[0] = old;
        base.ChannelCount = 1;
        const ChannelCsvImport result =
            Import("Location,Frequency,Mode\n2,146.52,FM\n3,146.54,FM\n", 3, base);
        QCOMPARE(result.channels.size(), std::size_t{2});
        QCOMPARE(int(result.channels[0].Signaling), 2);
        QCOMPARE(int(result.channels[0].Scrambler), 1);
        QCOMPARE(int(result.channels[0].SquelchMode), 4);
        QCOMPARE(int(result.channels[0].Bandwidth), 1);  // 20 kHz stays: FM has no 20 kHz name
        QCOMPARE(int(result.channels[1].Signaling), 0);
        QCOMPARE(int(result.channels[1].Bandwidth), 0);
    }

    void exportThenImportGivesTheChannelsBack() {
        ChannelTable table;
        auto add = [&](int number, const char* rx, int shift,
                       const char* offset) -> ChannelRecord& {
            ChannelRecord& c = *AppendChannel(table);
            c = NewChannelRecord(number);
            c.Used = 1;
            c.RxFreq = FixedText<9>::Raw(rx);
            c.ShiftDir = static_cast<std::int16_t>(shift);
            c.Offset = FixedText<9>::Raw(offset);
            return c;
        };
        add(kChannelVFO, "014500000", 0, "000000000");
        ChannelRecord& a = add(1, "014652000", 0, "000000000");
        a.Name = FixedText<7>::Raw("CALL   ");
        a.TxToneType = a.RxToneType = kToneCtcss;
        a.TxCtcss = a.RxCtcss = 12;
        ChannelRecord& b = add(200, "014560000", 1, "000060000");
        b.TxToneType = kToneDcs;
        b.RxToneType = kToneCtcss;
        b.TxDcs = 0777;
        b.TxDcsInvert = 1;
        b.RxCtcss = 50;
        b.Bandwidth = 2;
        b.Step = 3;
        b.ScanSkip = 1;
        b.TxPower = 1;
        ChannelRecord& c = add(50, "014400000", 2, "000500000");
        c.TxInhibit = 1;
        c.ShiftDir = 0;  // "off" keeps no shift without a base
        c.Offset = FixedText<9>::Raw("000000000");
        c.RxToneType = kToneDcs;
        c.RxDcs = 0152;
        c.TxPower = 2;

        const ChannelCsvExport exported = ChannelsToCsv(table, BandOf(3));
        QCOMPARE(exported.notes.size(), std::size_t{1});  // the VFO channel is left out
        QVERIFY(exported.text.starts_with(std::string(kHeader).substr(0, 40)));

        const ChannelCsvImport fresh = Import(exported.text);
        QVERIFY2(fresh.refused.empty(), qPrintable(Messages(fresh.refused)));
        QVERIFY2(fresh.notes.empty(), qPrintable(Messages(fresh.notes)));
        QCOMPARE(fresh.channels.size(), std::size_t{3});
        for (const ChannelRecord& got : fresh.channels) QCOMPARE(got, *table.find(got.Number));

        // Into the same codeplug as base, the whole table comes back as it was.
        const ChannelCsvImport again = Import(exported.text, 3, table);
        QCOMPARE(ReplaceMemoryChannels(table, again.channels), table);
    }

    void replaceKeepsSpecialChannelsAndDropsTheRest() {
        ChannelTable table;
        for (int number : {kChannelVFO, 5, 9, kChannelPA}) {
            ChannelRecord& c = *AppendChannel(table);
            c = NewChannelRecord(number);
            c.Used = 1;
        }
        ChannelRecord twelve = NewChannelRecord(12);
        ChannelRecord nine = NewChannelRecord(9);
        nine.Scrambler = 1;
        const ChannelTable out = ReplaceMemoryChannels(table, {nine, twelve});
        QCOMPARE(int(out.ChannelCount), 4);
        QCOMPARE(int(out.records[0].Number), kChannelVFO);
        QCOMPARE(int(out.records[1].Number), 9);
        QCOMPARE(int(out.records[1].Scrambler), 1);
        QCOMPARE(int(out.records[2].Number), kChannelPA);
        QCOMPARE(int(out.records[3].Number), 12);
    }

    void anyBytesGiveAnAnswer() {
        std::mt19937 random(15);
        const std::string alphabet = ",\"\r\n0123456789.-+ SW\xEF\xBB\xBF\x80\xFF";
        for (int round = 0; round < 300; ++round) {
            std::string text = round % 2 ? std::string(kHeader) : std::string();
            const int length = static_cast<int>(random() % 400);
            for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
            const ChannelCsvImport result = Import(text);
            QVERIFY(result.channels.size() <= kMemoryChannels);
        }
    }
};

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channel_csv.moc"
