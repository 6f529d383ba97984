// Every fuzz target with every seed input and every kept finding (fuzz/corpus/<target>/,
// fuzz/regressions/<target>/), plus a few edge inputs, so a crash fixed once stays fixed in
// an ordinary build without clang. Each input must also finish quickly: a hang is a finding.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <iterator>

#include "fuzz_targets.h"

using namespace torvik::fuzz;

namespace {

QStringList FilesIn(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        files << dir.filePath(name);
    }
    return files;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

int Run(FuzzFunction run, const QByteArray& bytes) {
    return run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
               static_cast<std::size_t>(bytes.size()));
}

}  // namespace

class FuzzReplayTest : public QObject {
    Q_OBJECT

  private slots:
    void replay_data() {
        QTest::addColumn<int>("target");
        for (int i = 0; i < int(std::size(kFuzzTargets)); ++i) {
            QTest::newRow(std::string(kFuzzTargets[i].name).c_str()) << i;
        }
    }

    void replay() {
        QFETCH(int, target);
        const FuzzTarget& t = kFuzzTargets[target];
        const QString name = QString::fromLatin1(t.name.data(), qsizetype(t.name.size()));
        const QString root = QStringLiteral(TORVIK_FUZZ_DIR);
        const QStringList corpus = FilesIn(root + "/corpus/" + name);
        QVERIFY2(!corpus.isEmpty(), qPrintable("no seed corpus for " + name));
        // Its own inputs first, then every other target's: bytes meant for one parser are
        // just as fair a test of the others.
        QStringList inputs = corpus + FilesIn(root + "/regressions/" + name);
        for (const FuzzTarget& other : kFuzzTargets) {
            const QString folder =
                QString::fromLatin1(other.name.data(), qsizetype(other.name.size()));
            if (folder == name) continue;
            inputs << FilesIn(root + "/corpus/" + folder)
                   << FilesIn(root + "/regressions/" + folder);
        }

        for (const QString& path : inputs) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(Run(t.run, Contents(path)), 0);
            QVERIFY2(clock.elapsed() < 10000, qPrintable(path + " took too long"));
        }
        // Nothing, one byte, a long run of one byte.
        for (const QByteArray& edge : {QByteArray(), QByteArray(1, '\xFF'),
                                       QByteArray(20000, '\x00'), QByteArray(20000, '\xFF')}) {
            QCOMPARE(Run(t.run, edge), 0);
        }
    }
};

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "test_fuzz_replay.moc"
