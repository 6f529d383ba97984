// The radio password on the link: an empty password passes, a typed one is remembered for
// the rest of the run, a wrong one or Cancel ends the connection.
#include <QtTest>

#include "support/link/link_bench.h"

using namespace torvik;
using namespace torvik::test;

class LinkPasswordTest : public QObject {
    Q_OBJECT

  private slots:
    void emptyPasswordPasses() {
        LinkBench bench;
        bench.radio.setPassword("");  // FF FF FF FF
        bench.reporter.answers = {Answer::Ok};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QVERIFY(std::find(bench.host.events.begin(), bench.host.events.end(), "password") ==
                bench.host.events.end());
        QVERIFY(bench.host.finishedWith(LinkMode::Read, true));
    }

    void dialog_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("kept");
        QTest::newRow("right") << "12" << false << "12" << true << "12";
        QTest::newRow("trailing blank trimmed") << "12" << false << "12 " << true << "12";
        QTest::newRow("too long") << "12" << false << "123" << false << "123";
        QTest::newRow("leading blank") << "12" << false << " 12" << false << " 12";
        QTest::newRow("case matters") << "ab" << false << "AB" << false << "AB";
        QTest::newRow("cancel") << "12" << true << "" << false << "";
    }
    void dialog() {
        QFETCH(QString, radio);
        QFETCH(bool, cancel);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, kept);
        LinkBench bench;
        bench.radio.setPassword(radio.toStdString());
        bench.reporter.answers = {Answer::Ok};
        bench.host.passwords = {cancel ? std::nullopt : std::optional(typed.toStdString())};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(bench.engine->sessionPassword(), kept.toStdString());
        QVERIFY(bench.host.finishedWith(LinkMode::Read, ok));
        if (ok) {
            // The connection starts again from the open frame and the password now passes.
            QCOMPARE(bench.frames().mid(0, 8), (QStringList{"PROGRAM", "ID", "R0040", "END",
                                                            "PROGRAM", "ID", "R0040", "R0010"}));
            QCOMPARE(bench.shown(), QStringList{"read ok"});
        } else {
            QCOMPARE(bench.frames(), (QStringList{"PROGRAM", "ID", "R0040"}));
            QCOMPARE(bench.shown(), QStringList{"read failed"});
        }
    }

    void typedOnceServesEveryConnection() {
        LinkBench bench;
        bench.radio.setPassword("7a");
        bench.reporter.answers = {Answer::Ok, Answer::Ok, Answer::Ok};
        bench.host.passwords = {std::string("7a")};
        QVERIFY(bench.engine->beginRead());
        bench.run();
        const std::size_t before = bench.port.sent.size();
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QCOMPARE(bench.frames(before).mid(0, 4), (QStringList{"PROGRAM", "ID", "R0040", "W0100"}));
        QCOMPARE(std::count(bench.host.events.begin(), bench.host.events.end(), "password"), 1);
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));

        // A radio without a password now stops at the dialog: its empty password is not the
        // typed one.
        bench.radio.setPassword("");
        QVERIFY(bench.engine->beginRead());
        bench.run();
        QCOMPARE(std::count(bench.host.events.begin(), bench.host.events.end(), "password"), 2);
        QVERIFY(bench.host.finishedWith(LinkMode::Read, false));
    }

    void passwordFromTheMenu() {
        LinkBench bench;
        bench.radio.setPassword("9");
        bench.engine->setSessionPassword("9  ");
        QCOMPARE(bench.engine->sessionPassword(), std::string("9"));
        QVERIFY(bench.engine->beginInfoRead());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::InfoRead, true));
    }

    void infoReadAsksToo() {
        LinkBench bench;
        bench.radio.setPassword("55");
        QVERIFY(bench.engine->beginInfoRead());
        bench.run();
        QCOMPARE(bench.host.events, (std::vector<std::string>{"password", "finished 3 failed"}));
        QCOMPARE(bench.shown(), QStringList{"info failed"});
    }

    void passwordInAWriteIsNeverSent() {
        LinkBench bench;
        bench.radio.setPassword("42");
        bench.reporter.answers = {Answer::Ok};
        bench.host.passwords = {std::string("42")};
        QVERIFY(bench.engine->beginWrite());
        bench.run();
        QVERIFY(bench.host.finishedWith(LinkMode::Write, true));
        for (const auto& sent : bench.port.sent)
            QVERIFY(FrameAddress(sent.frame) != 0x0040 || sent.frame[0] == kReadTag);
        QCOMPARE(bench.radio.memory[0x4C], std::uint8_t('4'));
    }
};

QTEST_APPLESS_MAIN(LinkPasswordTest)
#include "test_link_password.moc"
