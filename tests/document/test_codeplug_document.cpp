// The codeplug document: each edit is one undo step that gives back the exact bytes of the
// data files, the modified flag follows undo back to the saved state, and the signals name
// exactly what changed.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "document/codeplug_document.h"
#include "storage/new_codeplug.h"
#include "support/codeplug_fixtures.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::UsedChannel;

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Both files of a pair, so a difference in either shows.
QByteArray PairBytes(const QString& dataPath) {
    QString fre = dataPath;
    fre.replace(fre.size() - 3, 3, "fre");
    return Bytes(dataPath) + "|" + Bytes(fre);
}

}  // namespace

class CodeplugDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Codeplug codeplug_;
    std::unique_ptr<CodeplugDocument> doc_;
    test::RecordingReporter reporter_;

    CodeplugDocument& doc() { return *doc_; }
    QString path(const char* name) { return dir_.filePath(name); }
    QByteArray saveAs(const char* name) {
        if (!doc().save(path(name).toStdString(), reporter_)) return {};
        return PairBytes(path(name));
    }

  private slots:
    void init() {
        codeplug_ = Codeplug{};
        NewCodeplug(codeplug_, {});
        doc_ = std::make_unique<CodeplugDocument>(codeplug_);
        EditableState s = doc().editableState();
        *AppendChannel(s.channels) = UsedChannel(3, {.rx = "014500000"});
        *AppendChannel(s.channels) = UsedChannel(7, {.rx = "014600000"});
        *AppendChannel(s.channels) = UsedChannel(9, {.rx = "014700000"});
        QVERIFY(doc().commit("fixture", s));
        saveAs("saved.dat");  // the saved state the tests start from
    }

    // Each kind of change, undone, gives back the exact data-file bytes; redone, the changed
    // ones; and only the rows it touched are named.
    void undoRedoRestoresTheExactBytes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("edit a channel") << 0 << QList<int>{7};
        QTest::newRow("delete moves later records down") << 1 << QList<int>{3};
        QTest::newRow("paste over two rows") << 2 << QList<int>{9, 150};
        QTest::newRow("function settings") << 3 << QList<int>{};
    }
    void undoRedoRestoresTheExactBytes() {
        QFETCH(int, kind);
        QFETCH(QList<int>, rows);
        const QByteArray before = PairBytes(path("saved.dat"));
        EditableState s = doc().editableState();
        switch (kind) {
            case 0:
                s.channels.find(7)->Name = FixedText<7>::Value("NEW");
                break;
            case 1:
                DeleteChannel(s.channels, 3);
                break;
            case 2:
                *s.channels.find(9) = UsedChannel(9, {.rx = "015000000"});
                *AppendChannel(s.channels) = UsedChannel(150, {.rx = "015000000"});
                break;
            case 3:
                s.record.scan.scanMode = static_cast<std::uint8_t>(s.record.scan.scanMode ^ 1);
                break;
        }
        QSignalSpy channels(&doc(), &CodeplugDocument::channelsChanged);
        QSignalSpy areas(&doc(), &CodeplugDocument::settingsChanged);
        QVERIFY(doc().commit("change", s));
        QCOMPARE(channels.isEmpty() ? QList<int>{} : channels.at(0).at(0).value<QList<int>>(),
                 rows);
        QCOMPARE(areas.size(), kind == 3 ? 1 : 0);
        const QByteArray changed = saveAs("changed.dat");
        QVERIFY(changed != before);

        doc().undoStack().undo();
        QCOMPARE(saveAs("undone.dat"), before);
        doc().undoStack().redo();
        QCOMPARE(saveAs("redone.dat"), changed);
    }

    // Whatever commits a change, the references between areas come out sound: the channels
    // fixture holds channels 3, 7 and 9.
    void commitRepairsReferences_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("deleted emergency and priority channels") << 0;
        QTest::newRow("2-Tone code emptied under a channel") << 1;
        QTest::newRow("5-Tone entry emptied under a channel and the alarm") << 2;
        QTest::newRow("revert choice the priority does not offer") << 3;
    }
    void commitRepairsReferences() {
        QFETCH(int, kind);
        EditableState s = doc().editableState();
        CodeplugRecord& r = s.record;
        ChannelRecord& seven = *s.channels.find(7);
        switch (kind) {
            case 0:
                r.emergency.emergencyChannel = 9;
                r.scan.priorityChannel1 = 3;
                r.scan.priorityChannel2 = 0;
                QVERIFY(doc().commit("refs", s));
                s = doc().editableState();
                DeleteChannel(s.channels, 9);
                QVERIFY(doc().commit("delete", s));
                QCOMPARE(int(codeplug_.record.emergency.emergencyChannel), 7);  // the last one
                QCOMPARE(int(codeplug_.record.scan.priorityChannel1), 3);
                QCOMPARE(int(codeplug_.record.scan.priorityChannel2), 0);  // none stays none
                break;
            case 1:
                seven.Signaling = kSignalingTwoTone;
                seven.TwoToneNo = 5;
                r.twoTone.codes[5].empty = 0;
                QVERIFY(doc().commit("code", s));
                s = doc().editableState();
                s.record.twoTone.codes[5].empty = 1;
                QVERIFY(doc().commit("empty it", s));
                QCOMPARE(int(codeplug_.channels.find(7)->TwoToneNo), 0);
                break;
            case 2:
                seven.Signaling = kSignalingFiveTone;
                seven.FiveToneNo = 4;
                r.fiveTone.codeTable[2].empty = 0;
                r.fiveTone.codeTable[4].empty = 0;
                r.emergency.idCodeType = 2;
                r.emergency.idCode = 4;
                QVERIFY(doc().commit("code", s));
                s = doc().editableState();
                s.record.fiveTone.codeTable[4].empty = 1;
                QVERIFY(doc().commit("empty it", s));
                QCOMPARE(int(codeplug_.channels.find(7)->FiveToneNo), 2);
                QCOMPARE(int(codeplug_.record.emergency.idCode), 2);
                break;
            case 3:
                r.scan.scanMode = 1;
                r.scan.priorityMode = 0;
                r.scan.revertChoice = 6;
                QVERIFY(doc().commit("revert", s));
                QCOMPARE(int(codeplug_.record.scan.revertChoice), 0);
                break;
        }
    }

    // An OK that changes nothing pushes no step, even over references not yet sound.
    void unchangedStateIsNoStepEvenWhenUnsound() {
        codeplug_.record.scan.revertChoice = 6;  // as a file may hold it
        const int steps = doc().undoStack().count();
        QVERIFY(!doc().commit("nothing", doc().editableState()));
        QCOMPARE(doc().undoStack().count(), steps);
        QCOMPARE(int(codeplug_.record.scan.revertChoice), 6);
    }

    void modifiedFollowsUndoToTheSavedState() {
        QVERIFY(!doc().isModified());
        QSignalSpy flag(&doc(), &CodeplugDocument::modifiedChanged);
        EditableState s = doc().editableState();
        s.channels.find(3)->Name = FixedText<7>::Value("A");
        QVERIFY(doc().commit("one", s));
        QVERIFY(doc().isModified());
        doc().undoStack().undo();
        QVERIFY(!doc().isModified());  // back at the saved state: nothing to save
        doc().undoStack().redo();
        QVERIFY(doc().isModified());
        QCOMPARE(flag.size(), 3);

        // Saved after the change, then undone: the codeplug differs from the file again.
        saveAs("later.dat");
        QVERIFY(!doc().isModified());
        doc().undoStack().undo();
        QVERIFY(doc().isModified());
        doc().undoStack().redo();
        QVERIFY(!doc().isModified());
    }

    void anUnchangedStateIsNoStep() {
        const int steps = doc().undoStack().count();
        QVERIFY(!doc().commit("nothing", doc().editableState()));
        QCOMPARE(doc().undoStack().count(), steps);
    }

    void replacingTheCodeplugClearsTheSteps() {
        QVERIFY(doc().undoStack().canUndo());
        QSignalSpy replaced(&doc(), &CodeplugDocument::codeplugReplaced);
        QVERIFY(doc().open(path("saved.dat").toStdString(), reporter_));
        QCOMPARE(replaced.size(), 1);
        QVERIFY(!doc().undoStack().canUndo());
        QVERIFY(!doc().isModified());

        // A file that cannot be read changes nothing, not even the steps.
        EditableState s = doc().editableState();
        DeleteChannel(s.channels, 9);
        doc().commit("delete", s);
        QVERIFY(!doc().open(path("missing.dat").toStdString(), reporter_));
        QVERIFY(doc().undoStack().canUndo());
        QVERIFY(!ChannelExists(doc().codeplug().channels, 9));

        doc().makeNew({});
        QVERIFY(!doc().undoStack().canUndo());
        QCOMPARE(replaced.size(), 2);
    }
};

QTEST_GUILESS_MAIN(CodeplugDocumentTest)
#include "test_codeplug_document.moc"
