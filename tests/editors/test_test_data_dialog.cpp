// The factory test-data editor worked as a user works it.
#include <QFile>
#include <QTemporaryDir>

#include "document/codeplug_document.h"
#include "support/codeplug_fixtures.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/recording_reporter.h"
#include "ui/testdata/test_data_dialog.h"

using namespace torvik;
using test::Shown;

class TestDataDialogTest : public QObject {
    Q_OBJECT

    Codeplug codeplug_;
    std::unique_ptr<CodeplugDocument> document_;
    LanguageTexts texts_ = test::DataTexts(Language::English);
    test::RecordingReporter reporter_;
    QTemporaryDir dir_;

    const TestData& data() { return document_->codeplug().testData; }
    void chooseAlways(TestDataDialog& dialog, const QString& path) {
        dialog.setFileChooser(
            [path](bool, const QString& filter,
                   const std::filesystem::path&) -> std::optional<std::filesystem::path> {
                if (filter != "Test Data File (*.ted)") return std::nullopt;
                return path.toStdString();
            });
    }

  private slots:
    void init() {
        codeplug_ = test::NewTestCodeplug();
        codeplug_.factoryMode = true;
        document_ = std::make_unique<CodeplugDocument>(codeplug_);
    }

    void hexBoxesTakeHexDigitsInUpperCase() {
        Shown<TestDataDialog> o(*document_, texts_, reporter_);
        QCOMPARE(o.text("Text2")->text(), "00");
        QVERIFY(!o.dialog.findChild<QLineEdit*>("Text0"));
        o.text("Text2")->setFocus();
        QTest::keyClick(o.text("Text2"), Qt::Key_Backspace);
        QTest::keyClick(o.text("Text2"), Qt::Key_Backspace);
        o.type("7g");
        QCOMPARE(o.text("Text2")->text(), "7");
        o.text("Text13")->setFocus();
        o.text("Text13")->selectAll();
        o.type("fe");
        QCOMPARE(o.text("Text13")->text(), "FE");
        o.ok();
        QCOMPARE(data()[2], 0x07);
        QCOMPARE(data()[13], 0xFE);
        QCOMPARE(document_->undoStack().count(), 1);
    }

    void anEmptyBoxKeepsTheWindowOpen() {
        Shown<TestDataDialog> o(*document_, texts_, reporter_);
        o.text("Text5")->clear();
        o.ok();
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), o.text("Text5"));
        QCOMPARE(document_->undoStack().count(), 0);
    }

    // Save writes the file only; Cancel afterwards leaves the test data as it was, and the
    // file loads back into the boxes.
    void saveThenCancelThenLoad() {
        const QString path = dir_.filePath("radio.ted");
        {
            Shown<TestDataDialog> o(*document_, texts_, reporter_);
            chooseAlways(o.dialog, path);
            o.text("Text3")->setText("AB");
            QTest::mouseClick(o.get<QPushButton>("CommandSave"), Qt::LeftButton);
            o.cancel();
        }
        QCOMPARE(data()[3], 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toHex(), QByteArray("000000ab000000000000000000000000"));

        Shown<TestDataDialog> o(*document_, texts_, reporter_);
        chooseAlways(o.dialog, path);
        QTest::mouseClick(o.get<QPushButton>("CommandLoad"), Qt::LeftButton);
        QCOMPARE(o.text("Text3")->text(), "AB");
        o.ok();
        QCOMPARE(data()[3], 0xAB);
    }

    void chineseLabels() {
        const LanguageTexts chinese = test::DataTexts(Language::Chinese);
        Shown<TestDataDialog> o(*document_, chinese, reporter_);
        QCOMPARE(o.dialog.windowTitle(), "测试数据");
        QCOMPARE(o.text("Text2")->accessibleName(), "频率调整");
        QCOMPARE(o.get<QPushButton>("CommandLoad")->text(), "加载(&L)");
    }
};

QTEST_MAIN(TestDataDialogTest)
#include "test_test_data_dialog.moc"
