// The program's own bilingual texts: every id has both its texts, and the look-up gives each
// text byte for byte as the windows, messages and printouts have always shown it.
#include <QtTest>
#include <string>

#include "link/link_messages.h"
#include "platform/built_in_texts.h"

using namespace torvik;

Q_DECLARE_METATYPE(torvik::TextId)

namespace {

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class BuiltInTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyIdHasBothTexts() {
        for (std::size_t i = 0; i < kBuiltInTextCount; ++i) {
            const auto id = static_cast<TextId>(i);
            QVERIFY2(!BuiltInText(id, Language::English).empty(), qPrintable(QString::number(i)));
            QVERIFY2(!BuiltInText(id, Language::Chinese).empty(), qPrintable(QString::number(i)));
        }
    }

    void texts_data() {
        QTest::addColumn<TextId>("id");
        QTest::addColumn<QByteArray>("english");
        QTest::addColumn<QByteArray>("chinese");
        QTest::newRow("confirm read")
            << TextId::ConfirmRead << QByteArray("Read data from radio.\r\nDo you wish continue?")
            << QByteArray("从对讲机读取数据。\r\n是否继续？");
        QTest::newRow("model wrong")
            << TextId::ModelWrong << QByteArray("Model type is wrong. Overwrite?")
            << QByteArray("机型类型错误。");
        QTest::newRow("write cancelled early")
            << TextId::WriteCancelledEarly
            << QByteArray("Writing stopped before any data was sent. The radio is unchanged.")
            << QByteArray("写入在发送数据之前已停止，对讲机未被更改。");
        QTest::newRow("settings search")
            << TextId::SettingsSearch
            << QByteArray("Search for communication setting,please wait for a few minutes...")
            << QByteArray("正在匹配串口配置，可能需要几分钟，请等待。。。");
        QTest::newRow("close button")
            << TextId::CloseButton << QByteArray("&Close") << QByteArray("关闭(&C)");
        QTest::newRow("system info missing")
            << TextId::SystemInfoMissing << QByteArray("此时系统信息不可用")
            << QByteArray("此时系统信息不可用");
        QTest::newRow("edit channel step")
            << TextId::EditChannelStep << QByteArray("Edit channel %1")
            << QByteArray("编辑信道 %1");
        QTest::newRow("verify failed")
            << TextId::VerifyFailed
            << QByteArray(
                   "Verify failed: %1 of the blocks written differ in the radio, in %2. Write it "
                   "again.")
            << QByteArray(
                   "校验失败：写入的数据块中有 %1 个与对讲机中的不同，位于 %2。请重新写入。");
        QTest::newRow("print title")
            << TextId::PrintTitle << QByteArray("TORVIK Radio Programming Information")
            << QByteArray("TORVIK 对讲机编程信息");
        QTest::newRow("print off") << TextId::PrintOff << QByteArray("OFF") << QByteArray("关");
        QTest::newRow("print item channels")
            << TextId::PrintItemChannels << QByteArray("Channel Infomation")
            << QByteArray("信道信息");
        QTest::newRow("csv filter")
            << TextId::CsvFilter << QByteArray("CSV file (*.csv);;All files (*)")
            << QByteArray("CSV 文件 (*.csv);;所有文件 (*)");
        QTest::newRow("other band")
            << TextId::OtherBand
            << QByteArray(
                   "The file is for band %1, the codeplug for band %2. Choose that band first.")
            << QByteArray("文件的频段 (%1) 与当前频段 (%2) 不同，请先选择该频段。");
        QTest::newRow("maintenance reason")
            << TextId::RadioInfoMaintenanceReason << QByteArray("Maintained Description")
            << QByteArray("维修原因");
        QTest::newRow("test data ctcss")
            << TextId::TestDataCtcss12k5 << QByteArray("CTCSS of 12.5K")
            << QByteArray("12.5K CTCSS");
    }
    void texts() {
        QFETCH(TextId, id);
        QFETCH(QByteArray, english);
        QFETCH(QByteArray, chinese);
        QCOMPARE(Bytes(BuiltInText(id, Language::English)), english);
        QCOMPARE(Bytes(BuiltInText(id, Language::Chinese)), chinese);
    }

    void transferTitles() {
        QCOMPARE(Bytes(TransferTitle(TransferDirection::Read, Language::English)),
                 QByteArray("Read data from radio"));
        QCOMPARE(Bytes(TransferTitle(TransferDirection::Write, Language::Chinese)),
                 QByteArray("向对讲机写入数据"));
    }

    // The link fills the block's address and the limit into its text.
    void repeatLimit() {
        QCOMPARE(Bytes(RepeatLimitText(0x1A2B, 3, Language::English)),
                 QByteArray("The radio asked for the block at 0x1A2B again more than 3 times; the "
                            "transfer was stopped."));
        QCOMPARE(Bytes(RepeatLimitText(0x00F0, 12, Language::Chinese)),
                 QByteArray("对讲机反复要求重发地址 0x00F0 的数据块（超过 12 次），传输已停止。"));
    }
};

QTEST_APPLESS_MAIN(BuiltInTextsTest)
#include "test_built_in_texts.moc"
