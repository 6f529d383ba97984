// The channel editor's model: what a slot shows when it opens, the enabling and choice rules
// while the user edits, and what OK stores, deletes or refuses.
#include <QtTest>

#include "aggregate/image_codec.h"
#include "channel_edit/channel_edit_model.h"
#include "support/channel_compare.h"
#include "support/codeplug_fixtures.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;
using test::TableDifference;
using test::TableOf;

namespace {

constexpr int kRangeWarning = 2001;

// A codeplug on band 3 (136..174 MHz) with 2-Tone codes 3 and 7 and 5-Tone entries 10 and
// 42 stored.
Codeplug MakeCodeplug() {
    Codeplug c;
    for (auto& code : c.record.twoTone.codes) code.empty = 1;
    c.record.twoTone.codes[3].empty = 0;
    c.record.twoTone.codes[7].empty = 0;
    c.record.fiveTone.codeTable[10].empty = 0;
    c.record.fiveTone.codeTable[42].empty = 0;
    return c;
}

FeatureFlags AllFeatures() {
    return {1, 1, 1, 0};
}

// A used VHF channel with every field set to something other than its default.
ChannelRecord FullChannel(int number) {
    ChannelRecord r = NewChannelRecord(number);
    r.Used = 1;
    r.ScanSkip = 1;
    r.RxFreq = FixedText<9>::Raw("014500000");
    r.Offset = FixedText<9>::Raw("000060000");
    r.ShiftDir = 1;
    r.Name = FixedText<7>::Raw("RPT 1  ");
    r.Step = 5;
    r.TxInhibit = 1;
    r.Bandwidth = 2;
    r.TxPower = 1;
    r.Compander = 1;
    r.RxToneType = kToneCtcss;
    r.RxCtcss = 12;
    r.TxToneType = kToneDcs;
    r.TxDcs = 0754;
    r.TxDcsInvert = 1;
    r.RxDcs = 23;
    r.Signaling = kSignalingTwoTone;
    r.TwoToneNo = 7;
    r.FiveToneNo = 42;
    r.DtmfCodeNo = 9;
    r.Scrambler = 1;
    r.DtmfPttId = 2;
    r.SquelchMode = 4;
    r.ExtraDisplay = 5;
    r.BusyLock = 2;
    r.Byte27 = 0x5A;
    r.Spare1 = 1;
    r.Spare3 = 77;
    r.Spare6 = 1;
    r.PttIdDecode = 1;
    r.PttIdCode = FixedText<5>::Raw("1A2B3");
    return r;
}

void Put(Codeplug& c, const ChannelRecord& r) {
    c.channels.records[static_cast<std::size_t>(c.channels.ChannelCount++)] = r;
}

QString Str(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

}  // namespace

class ChannelEditModelTest : public QObject {
    Q_OBJECT

  private slots:
    void emptyRowOpensDisabledAndTypingEnables() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 17, reporter);
        QCOMPARE(Str(m.fields().rxText), QString());
        QCOMPARE(Str(m.fields().txText), QString());
        QVERIFY(!m.enabled());
        m.setRxText("1");
        QVERIFY(m.enabled());
        m.setRxText("");
        QVERIFY(!m.enabled());
        QVERIFY(reporter.shown.empty());
    }

    void usedRowOpensWithItsValues() {
        Codeplug c = MakeCodeplug();
        Put(c, FullChannel(12));
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 12, reporter);
        const ChannelEditFields& f = m.fields();
        QVERIFY(m.enabled());
        QCOMPARE(Str(f.rxText), QString("145.00000"));
        QCOMPARE(Str(f.txText), QString("144.40000"));  // minus 0.6
        QCOMPARE(Str(f.nameBoxes[0] + f.nameBoxes[1] + f.nameBoxes[2] + f.nameBoxes[3]),
                 QString("RPT "));
        QVERIFY(f.nameBoxes[5].empty());
        QCOMPARE(Str(m.stepChoices()[f.step]), QString("12.5K"));  // band 3 starts at 2.5K
        QCOMPARE(m.visibleNumberList(), NumberList::TwoTone);
        QCOMPARE(m.twoToneChoices()[f.twoTone], 7);
        QCOMPARE(m.fiveToneChoices()[f.fiveTone], 42);
        QCOMPARE(f.dtmfMemory, 9);
        QVERIFY(m.showsCtcss(ToneSide::Receive));
        QVERIFY(m.showsDcs(ToneSide::Transmit));
        QCOMPARE(f.txTone.dcs, 0754);
        QCOMPARE(m.squelchChoices()[f.squelch], 4);
        QCOMPARE(f.extraDisplay, 4);
        QCOMPARE(Str(f.pttIdCode), QString("1A2B3"));
        QVERIFY(reporter.shown.empty());
    }

    void plusShiftOpensAsTransmitAbove() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = FullChannel(3);
        r.ShiftDir = 2;
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 3, reporter);
        QCOMPARE(Str(m.fields().txText), QString("145.60000"));
    }

    // Opening and OK without a change stores the channel as it was.
    void okWithoutChangeKeepsTheChannel() {
        Codeplug c = MakeCodeplug();
        Put(c, FullChannel(1));
        Put(c, FullChannel(12));
        const ChannelTable before = c.channels;
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 12, reporter);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(TableDifference(c.channels, before), QString());
        QVERIFY(reporter.shown.empty());
    }

    void okOnEmptyRowStoresNothing() {
        Codeplug c = MakeCodeplug();
        c.channels = TableOf({1, 2});
        const ChannelTable before = c.channels;
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 50, reporter);
        QCOMPARE(m.commitOk(), OkOutcome::Unchanged);
        QCOMPARE(TableDifference(c.channels, before), QString());
    }

    void clearedReceiveDeletes_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("count");
        QTest::newRow("memory channel") << 2 << int(OkOutcome::Deleted) << 2;
        QTest::newRow("PA") << 201 << int(OkOutcome::Deleted) << 2;
        QTest::newRow("VFO refused") << 203 << int(OkOutcome::StayOpen) << 3;
    }
    void clearedReceiveDeletes() {
        QFETCH(int, row);
        QFETCH(int, outcome);
        QFETCH(int, count);
        Codeplug c = MakeCodeplug();
        Put(c, FullChannel(203));
        Put(c, FullChannel(row == 203 ? 1 : row));
        Put(c, FullChannel(5));
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), row, reporter);
        m.setRxText("");
        QCOMPARE(int(m.commitOk()), outcome);
        QCOMPARE(int(c.channels.ChannelCount), count);
        if (row == 203) {
            QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"VFO can't be null!"});
        } else {
            QVERIFY(!ChannelExists(c.channels, row));
            QCOMPARE(int(c.channels.records[1].Number), 5);  // later records moved down
        }
    }

    void vfoOnEmptyRowRefused() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 203, reporter);
        QCOMPARE(m.commitOk(), OkOutcome::StayOpen);
        QCOMPARE(int(c.channels.ChannelCount), 0);
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"VFO can't be null!"});
    }

    void mistypedReceiveNeverDeletes() {
        Codeplug c = MakeCodeplug();
        Put(c, FullChannel(4));
        const ChannelTable before = c.channels;
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 4, reporter);
        m.setRxText("14.5.6");
        QCOMPARE(m.commitOk(), OkOutcome::StayOpen);
        QCOMPARE(TableDifference(c.channels, before), QString());
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"#2001"});
        QCOMPARE(Str(m.fields().rxText), QString("136.00000"));
    }

    void shiftFromTransmit_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<int>("shiftDir");
        QTest::addColumn<QString>("rxCode");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("warnings");
        QTest::newRow("minus") << "145.6"
                               << "145.0" << 1 << "014560000"
                               << "000060000" << 0;
        QTest::newRow("plus") << "145.00000"
                              << "145.60000" << 2 << "014500000"
                              << "000060000" << 0;
        QTest::newRow("equal") << "145.6"
                               << "145.60000" << 0 << "014560000"
                               << "000000000" << 0;
        QTest::newRow("empty transmit is simplex") << "145.6"
                                                   << "" << 0 << "014560000"
                                                   << "000000000" << 0;
        QTest::newRow("transmit below band") << "140"
                                             << "120" << 1 << "014000000"
                                             << "000400000" << 1;
        QTest::newRow("receive above band snaps to the edge") << "180"
                                                              << "173.9975" << 0 << "017399750"
                                                              << "000000000" << 1;
        QTest::newRow("off the raster") << "145.0013"
                                        << "145.0037" << 2 << "014500000"
                                        << "000000250" << 0;
        QTest::newRow("transmit not a number") << "145"
                                               << "abc" << 1 << "014500000"
                                               << "000900000" << 1;
    }
    void shiftFromTransmit() {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(int, shiftDir);
        QFETCH(QString, rxCode);
        QFETCH(QString, offset);
        QFETCH(int, warnings);
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 10, reporter);
        m.setRxText(rx.toStdString());
        m.setTxText(tx.toStdString());
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        const ChannelRecord* r = c.channels.find(10);
        QVERIFY(r);
        QCOMPARE(int(r->Used), 1);
        QCOMPARE(int(r->ShiftDir), shiftDir);
        QCOMPARE(Str(r->RxFreq.raw()), rxCode);
        QCOMPARE(Str(r->Offset.raw()), offset);
        QCOMPARE(int(reporter.shown.size()), warnings);
        for (const auto& s : reporter.shown)
            QCOMPARE(Str(s.text), QString("#%1").arg(kRangeWarning));
    }

    // A new receive frequency moves the transmit frequency by the channel's shift until the
    // user types a transmit frequency: simplex stays simplex, a repeater keeps its offset.
    void transmitFollowsReceive_data() {
        QTest::addColumn<int>("shiftDir");  // of the stored channel: 0 simplex, 1 minus
        QTest::addColumn<QString>("typedTx");
        QTest::addColumn<QString>("shownTx");
        QTest::addColumn<int>("storedShiftDir");
        QTest::addColumn<QString>("storedOffset");
        QTest::newRow("simplex stays simplex") << 0 << ""
                                               << "146.50000" << 0 << "000000000";
        QTest::newRow("repeater keeps its offset") << 1 << ""
                                                   << "145.90000" << 1 << "000060000";
        QTest::newRow("typed transmit stays") << 0 << "147"
                                              << "147" << 2 << "000050000";
    }
    void transmitFollowsReceive() {
        QFETCH(int, shiftDir);
        QFETCH(QString, typedTx);
        QFETCH(QString, shownTx);
        QFETCH(int, storedShiftDir);
        QFETCH(QString, storedOffset);
        Codeplug c = MakeCodeplug();
        ChannelRecord r = FullChannel(12);
        r.TxInhibit = 0;
        r.ShiftDir = static_cast<std::int16_t>(shiftDir);
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 12, reporter);
        if (!typedTx.isEmpty()) m.setTxText(typedTx.toStdString());
        // Typed one key at a time, as the window hands it over.
        for (const char* rx : {"1", "14", "146", "146.", "146.5"}) m.setRxText(rx);
        QCOMPARE(Str(m.fields().txText), shownTx);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(int(c.channels.find(12)->ShiftDir), storedShiftDir);
        QCOMPARE(Str(c.channels.find(12)->Offset.raw()), storedOffset);
    }

    void shiftPreviewWhileTyping_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("shiftDir");
        QTest::addColumn<QString>("offset");
        QTest::newRow("minus") << "145.6"
                               << "145" << true << 1 << "0.60000";
        QTest::newRow("plus") << "438.5"
                              << "446.1" << true << 2 << "7.60000";
        QTest::newRow("simplex") << "145.6"
                                 << "145.60000" << true << 0 << "0.00000";
        QTest::newRow("empty transmit") << "145.6"
                                        << "" << true << 0 << "0.00000";
        QTest::newRow("no receive") << ""
                                    << "145" << false << 0 << "";
        QTest::newRow("half typed") << "145.6"
                                    << "1." << true << 1 << "144.60000";
        QTest::newRow("not a number") << "145.6"
                                      << "x" << false << 0 << "";
    }
    void shiftPreviewWhileTyping() {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(bool, valid);
        QFETCH(int, shiftDir);
        QFETCH(QString, offset);
        const ShiftPreview p = PreviewShift(rx.toStdString(), tx.toStdString());
        QCOMPARE(p.valid, valid);
        if (!valid) return;
        QCOMPARE(p.shiftDir, shiftDir);
        QCOMPARE(Str(p.offsetText), offset);
    }

    void nameBoxesWithEmptyMiddle() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 8, reporter);
        m.setRxText("145");
        m.setNameBox(0, "A");
        m.setNameBox(2, "C");
        m.setNameBox(3, "\\");  // refused
        m.setNameBox(4, "~");   // refused
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(Str(c.channels.find(8)->Name.raw()), QString("A C    "));
        QCOMPARE(Str(c.channels.find(8)->Name.text()), QString("A C"));
    }

    void pttIdCodePaddedOnOk() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = FullChannel(6);
        r.PttIdCode = FixedText<5>::Raw(std::string_view("12\0\0\0", 5));
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 6, reporter);
        m.setCheck(ChannelCheck::Compander, false);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(Str(c.channels.find(6)->PttIdCode.raw()), QString("00012"));
    }

    void squelchListSubsets_data() {
        QTest::addColumn<int>("rxTone");
        QTest::addColumn<int>("txTone");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("signaling");
        QTest::addColumn<QList<int>>("modes");
        QTest::newRow("nothing") << 0 << 0 << false << 0 << QList<int>{0};
        QTest::newRow("receive CTCSS") << 1 << 0 << false << 0 << QList<int>{0, 1};
        QTest::newRow("receive DCS and signalling")
            << 2 << 0 << false << 1 << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("signalling only") << 0 << 1 << false << 2 << QList<int>{0, 2};
        QTest::newRow("reverse: transmit tone decides") << 1 << 0 << true << 0 << QList<int>{0};
        QTest::newRow("reverse with transmit tone") << 0 << 2 << true << 0 << QList<int>{0, 1};
    }
    void squelchListSubsets() {
        QFETCH(int, rxTone);
        QFETCH(int, txTone);
        QFETCH(bool, reverse);
        QFETCH(int, signaling);
        QFETCH(QList<int>, modes);
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 1, reporter);
        m.setRxText("150");
        m.setToneType(ToneSide::Receive, rxTone);
        m.setToneType(ToneSide::Transmit, txTone);
        m.setCheck(ChannelCheck::Reverse, reverse);
        m.setSignaling(signaling);
        QCOMPARE(QList<int>(m.squelchChoices().begin(), m.squelchChoices().end()), modes);
    }

    void squelchKeepsItsChoiceWhenStillOffered() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 1, reporter);
        m.setRxText("150");
        m.setToneType(ToneSide::Receive, kToneCtcss);
        m.setSignaling(1);
        m.setChoice(ChannelChoice::Squelch, 2);       // F2, signalling
        m.setToneType(ToneSide::Receive, kToneNone);  // list F0 F2
        QCOMPARE(m.squelchChoices()[m.fields().squelch], 2);
        m.setSignaling(0);  // list F0: the choice falls back to it
        QCOMPARE(m.fields().squelch, 0);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(int(c.channels.find(1)->SquelchMode), 0);
    }

    void reverseAndTalkaroundExclude() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 1, reporter);
        m.setCheck(ChannelCheck::Reverse, true);
        QVERIFY(m.fields().reverse);
        m.setCheck(ChannelCheck::Talkaround, true);
        QVERIFY(m.fields().talkaround);
        QVERIFY(!m.fields().reverse);
        m.setCheck(ChannelCheck::Reverse, true);
        QVERIFY(!m.fields().talkaround);
        m.setCheck(ChannelCheck::Reverse, false);
        QVERIFY(!m.fields().reverse && !m.fields().talkaround);
    }

    void pttIdExclusive() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 1, reporter);
        m.setPttId(PttIdSystem::Dtmf, 3);
        m.setPttId(PttIdSystem::FiveTone, 2);
        QCOMPARE(m.fields().dtmfPttId, 0);
        QCOMPARE(m.fields().fiveTonePttId, 2);
        m.setPttId(PttIdSystem::Dtmf, 0);  // the first entry leaves the other alone
        QCOMPARE(m.fields().fiveTonePttId, 2);
        m.setPttId(PttIdSystem::Dtmf, 1);
        QCOMPARE(m.fields().fiveTonePttId, 0);
    }

    void toneTypeChangeResetsItsList() {
        Codeplug c = MakeCodeplug();
        Put(c, FullChannel(2));
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 2, reporter);
        m.setDcs(ToneSide::Receive, 100);
        m.setDcsInverted(ToneSide::Receive, true);
        m.setToneType(ToneSide::Receive, kToneDcs);
        QCOMPARE(m.fields().rxTone.dcs, 0);
        QVERIFY(!m.fields().rxTone.dcsInverted);
        QVERIFY(m.showsDcs(ToneSide::Receive));
        QVERIFY(!m.showsCtcss(ToneSide::Receive));
        m.setToneType(ToneSide::Transmit, kToneCtcss);
        QCOMPARE(m.fields().txTone.ctcss, 0);
        QCOMPARE(m.fields().txTone.dcs, 0754);  // the hidden list keeps its choice
    }

    void twoToneWithoutDtmf() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, {0, 1, 0, 0}, 9, reporter);
        QCOMPARE(m.signalingChoices(), (std::vector<int>{0, kSignalingTwoTone}));
        QVERIFY(!m.offersDtmfPttId());
        QVERIFY(!m.offersFiveTonePttId());
        m.setRxText("150");
        m.setSignaling(1);
        QCOMPARE(m.visibleNumberList(), NumberList::TwoTone);
        QCOMPARE(m.fields().twoTone, 0);
        m.setChoice(ChannelChoice::TwoTone, 1);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(int(c.channels.find(9)->Signaling), kSignalingTwoTone);
        QCOMPARE(int(c.channels.find(9)->TwoToneNo), 7);
    }

    void twoToneWithNoStoredCodes() {
        Codeplug c = MakeCodeplug();
        for (auto& code : c.record.twoTone.codes) code.empty = 1;
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 9, reporter);
        m.setRxText("150");
        m.setSignaling(2);
        QCOMPARE(m.visibleNumberList(), NumberList::TwoTone);
        QVERIFY(m.twoToneChoices().empty());
        QCOMPARE(m.fields().twoTone, -1);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(int(c.channels.find(9)->TwoToneNo), 0);
    }

    void signalingTheRadioLacksOpensAsNone() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = FullChannel(2);
        r.Signaling = kSignalingDtmf;
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, {0, 1, 0, 0}, 2, reporter);
        QCOMPARE(m.fields().signaling, 0);
        QCOMPARE(m.visibleNumberList(), NumberList::None);
    }

    void storedValuesOutsideTheirLists() {
        Codeplug c = MakeCodeplug();
        c.band.setCode(48);  // 400..470 MHz: the step list starts at 5K
        ChannelRecord r = FullChannel(7);
        r.RxFreq = FixedText<9>::Raw("043500000");
        r.ShiftDir = 0;
        r.Step = 9;
        r.Bandwidth = 7;
        r.TxPower = 3;
        r.RxToneType = 3;
        r.TxToneType = -1;
        r.RxCtcss = 80;
        r.TxDcs = 600;
        r.DtmfCodeNo = 20;
        r.DtmfPttId = 9;
        r.FiveTonePttId = 12;
        r.Scrambler = 4;
        r.BusyLock = 5;
        r.Signaling = 7;
        r.TwoToneNo = 5;  // not a stored code
        r.SquelchMode = 9;
        r.ExtraDisplay = 3;
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 7, reporter);
        const ChannelEditFields& f = m.fields();
        QCOMPARE(f.step, 0);
        QCOMPARE(f.bandwidth, 0);
        QCOMPARE(f.txPower, 2);
        QCOMPARE(f.rxTone.type, 0);
        QCOMPARE(f.txTone.type, 0);
        QCOMPARE(f.rxTone.ctcss, 0);
        QCOMPARE(f.txTone.dcs, 0);
        QCOMPARE(f.dtmfMemory, 0);
        QCOMPARE(f.dtmfPttId, 0);
        QCOMPARE(f.fiveTonePttId, 0);
        QCOMPARE(f.scrambler, 0);
        QCOMPARE(f.busyLock, 0);
        QCOMPARE(f.signaling, 0);
        QCOMPARE(f.twoTone, -1);
        QCOMPARE(f.squelch, 0);
        QCOMPARE(f.extraDisplay, 0);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        const ChannelRecord* s = c.channels.find(7);
        QCOMPARE(int(s->TxPower), 2);
        QCOMPARE(int(s->Step), 0);
        QCOMPARE(int(s->TwoToneNo), 0);
        QCOMPARE(int(s->ExtraDisplay), 0);
        QCOMPARE(int(s->SquelchMode), 0);
        QVERIFY(reporter.shown.empty());
    }

    void notNumericCodeOpens() {
        Codeplug c = MakeCodeplug();
        ChannelRecord r = FullChannel(2);
        r.RxFreq = FixedText<9>::Raw("14A500000");
        Put(c, r);
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 2, reporter);
        QVERIFY(m.enabled());
        QCOMPARE(Str(m.fields().rxText), QString("136.00000"));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"Not IsNumeric"});
    }

    void extraDisplayMapping_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("storedBack");
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("2") << 2 << 2 << 2;
        QTest::newRow("3 has no entry") << 3 << 0 << 0;
        QTest::newRow("5") << 5 << 4 << 5;
        QTest::newRow("10, the last") << 10 << 9 << 10;
        QTest::newRow("11 beyond the list") << 11 << 0 << 0;
        QTest::newRow("negative") << -2 << 0 << 0;
    }
    void extraDisplayMapping() {
        QFETCH(int, stored);
        QFETCH(int, entry);
        QFETCH(int, storedBack);
        QCOMPARE(ExtraDisplayEntry(stored), entry);
        QCOMPARE(ExtraDisplayValue(ExtraDisplayEntry(stored)), storedBack);
    }

    void newChannelIsAppended() {
        Codeplug c = MakeCodeplug();
        c.channels = TableOf({1, 203});
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 202, reporter);
        m.setRxText("146.52");
        m.setChoice(ChannelChoice::TxPower, 2);
        QCOMPARE(m.commitOk(), OkOutcome::Stored);
        QCOMPARE(int(c.channels.ChannelCount), 3);
        ChannelRecord expected = NewChannelRecord(202);
        expected.Used = 1;
        expected.RxFreq = FixedText<9>::Raw("014652000");
        expected.Name = FixedText<7>::Raw("       ");
        expected.TxPower = 2;
        ChannelTable table = TableOf({1, 203});
        table.records[2] = expected;
        table.ChannelCount = 3;
        QCOMPARE(TableDifference(c.channels, table), QString());
    }

    void receiveFieldFilter() {
        QCOMPARE(Str(FilterRxFrequencyText("14a5.6-x")), QString("145.6"));
        QCOMPARE(Str(FilterRxFrequencyText("1234567890123")), QString("123456789"));
        QCOMPARE(Str(FilterRxFrequencyText("14\xB5"
                                           "5")),
                 QString("145"));
        QCOMPARE(Str(FilterTxFrequencyText("145.6 MHz\xB5")), QString("145.6 MHz"));
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 1, reporter);
        m.setRxText("ab");
        QCOMPARE(Str(m.fields().rxText), QString());
        QVERIFY(!m.enabled());
    }

    void modifyWithoutRecordReports() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        ChannelEditModel m(c, AllFeatures(), 4, reporter);
        m.setRxText("150");
        QVERIFY(!m.storeIntoUsedSlot(4));
        QCOMPARE(int(c.channels.ChannelCount), 0);
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"No Find Data!"});
    }

    // Channels of every kind made in the editor go into the radio image and come back as
    // they were edited (the image keeps the name without its blank padding).
    void editedChannelsSurviveTheImage() {
        Codeplug c;
        ResetFunctionSettings(c.record);
        c.record.fiveTone.codeTable[10].empty = 0;
        c.record.fiveTone.codeTable[42].empty = 0;
        RecordingReporter reporter;
        struct Edit {
            int row;
            const char* rx;
            const char* tx;
            const char* name;
        };
        for (const Edit& e : {Edit{1, "145.6", "145", "A C"}, Edit{200, "136.0025", "", "LAST"},
                              Edit{201, "173.9975", "150.5", "PA"}, Edit{202, "150.125", "155", ""},
                              Edit{203, "155", "155", "VFO"}}) {
            ChannelEditModel m(c, AllFeatures(), e.row, reporter);
            m.setRxText(e.rx);
            m.setTxText(e.tx);
            for (int i = 0; e.name[i]; ++i) m.setNameBox(i, std::string(1, e.name[i]));
            m.setToneType(ToneSide::Receive, kToneCtcss);
            m.setCtcss(ToneSide::Receive, 50);
            m.setToneType(ToneSide::Transmit, kToneDcs);
            m.setDcs(ToneSide::Transmit, 0754);
            m.setDcsInverted(ToneSide::Transmit, true);
            m.setSignaling(3);
            m.setChoice(ChannelChoice::FiveTone, 1);
            m.setChoice(ChannelChoice::Squelch, 4);
            m.setChoice(ChannelChoice::Step, 9);
            m.setChoice(ChannelChoice::TxPower, 2);
            m.setPttId(PttIdSystem::FiveTone, 3);
            m.setCheck(ChannelCheck::Reverse, true);
            m.setCheck(ChannelCheck::ScanSkip, e.row % 2 == 0);
            QCOMPARE(m.commitOk(), OkOutcome::Stored);
        }
        QVERIFY(reporter.shown.empty());
        const ChannelTable edited = c.channels;
        QVERIFY(EncodeImage(c, reporter).has_value());
        DecodeImage(c);
        QCOMPARE(int(c.channels.ChannelCount), 5);
        for (int i = 0; i < 5; ++i) {
            const ChannelRecord& before = edited.records[i];
            const ChannelRecord& after = c.channels.records[i];
            QCOMPARE(Str(after.Name.text()), Str(before.Name.text()));
            ChannelRecord same = after;
            same.Name = before.Name;
            same.TxDcsBit8 = before.TxDcsBit8;  // the encoder keeps these two in step
            same.RxDcsBit8 = before.RxDcsBit8;
            const auto changed = ChangedFields(kChannelRecordFields, same, before);
            const QString first = changed.empty() ? QString() : Str(changed.front());
            QVERIFY2(changed.empty(),
                     qPrintable(QString("channel %1: %2").arg(before.Number).arg(first)));
        }
        QCOMPARE(int(c.channels.find(1)->FiveToneNo), 42);
        QCOMPARE(Str(c.channels.find(200)->Offset.raw()), QString("000000000"));
        QCOMPARE(int(c.channels.find(201)->ShiftDir), 1);
    }

    void rowOutsideTheTableIsRefused() {
        Codeplug c = MakeCodeplug();
        RecordingReporter reporter;
        for (int row : {0, 204}) {
            QVERIFY_THROWS_EXCEPTION(
                std::out_of_range, [&] { ChannelEditModel m(c, AllFeatures(), row, reporter); }());
        }
    }
};

QTEST_APPLESS_MAIN(ChannelEditModelTest)
#include "test_channel_edit_model.moc"
