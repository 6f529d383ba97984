// PrintSectionsDialog driven by clicks: its boxes and buttons in both languages, the warning when
// nothing is ticked, and a job that is cancelled or fails leaving it open with its ticks.
#include <QCheckBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "report/report_test_support.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "ui/print/print_sections_dialog.h"

using namespace torvik;
using torvik::test::ModalDriver;

class PrintSectionsDialogTest : public QObject {
    Q_OBJECT

    Codeplug codeplug_ = test::CodeplugWithChannelCount(2);
    LanguageTexts english_ = test::DataTexts(Language::English);

    static QCheckBox* box(PrintSectionsDialog& d, int item) {
        return d.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(item));
    }
    static void click(PrintSectionsDialog& d, const char* button) {
        QTest::mouseClick(d.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    static void show(PrintSectionsDialog& d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
    }
    static void grab(PrintSectionsDialog& d, const QString& name) {
        const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR");
        if (!dir.isEmpty()) d.grab().save(dir + "/FrmPrintList-" + name + ".png");
    }

  private slots:
    void boxesAndButtons_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstCaption");
        QTest::addColumn<QString>("selectAll");
        QTest::newRow("English") << int(Language::English) << "Channel Infomation"
                                 << "Select &All";
        QTest::newRow("Chinese") << int(Language::Chinese) << QStringLiteral("信道信息")
                                 << QStringLiteral("选择所有(&A)");
    }
    void boxesAndButtons() {
        QFETCH(int, language);
        QFETCH(QString, firstCaption);
        QFETCH(QString, selectAll);
        const LanguageTexts texts = test::DataTexts(static_cast<Language>(language));
        PrintSectionsDialog d(codeplug_, texts);
        show(d);
        grab(d, QTest::currentDataTag());
        QCOMPARE(d.windowTitle(), QString::fromStdString(texts.langText(3008)));
        QCOMPARE(box(d, 0)->text(), firstCaption);
        QCOMPARE(box(d, 9)->text(), QString::fromStdString(texts.langText(2600)));
        for (int item = 0; item < kPrintItems; ++item) {
            QCOMPARE(box(d, item)->isVisible(), item != 1 && item != 2);
            QVERIFY(!box(d, item)->isChecked());
            QVERIFY(!box(d, item)->accessibleName().isEmpty());
        }
        QCOMPARE(d.findChild<QPushButton*>("CommandSelAll")->text(), selectAll);
        for (const char* name : {"CommandSelAll", "CommandClrAll", "CommandSet", "CommandPreview",
                                 "Command1", "Command2"}) {
            QVERIFY(!d.findChild<QPushButton*>(name)->accessibleName().isEmpty());
        }
    }

    void nothingTickedWarnsAndStays() {
        PrintSectionsDialog d(codeplug_, english_);
        bool ran = false;
        d.setJob([&](const PrintFlags&) { return ran = true; });
        show(d);
        ModalDriver driver;
        driver.box(QMessageBox::Ok);
        click(d, "Command1");
        QVERIFY(driver.done());
        QCOMPARE(driver.texts, QStringList{"Please select printing items."});
        QVERIFY(!ran);
        QVERIFY(d.isVisible());
    }

    void selectAllPrintsAndCloses() {
        PrintSectionsDialog d(codeplug_, english_);
        PrintFlags printed{};
        d.setJob([&](const PrintFlags& flags) {
            printed = flags;
            return true;
        });
        show(d);
        click(d, "CommandSelAll");
        for (int item = 0; item < kPrintItems; ++item) QVERIFY(box(d, item)->isChecked());
        click(d, "Command1");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(std::all_of(printed.begin(), printed.end(), [](bool b) { return b; }));
    }

    void failedJobKeepsTheTicks() {
        PrintSectionsDialog d(codeplug_, english_);
        d.setJob([](const PrintFlags&) { return false; });
        show(d);
        QTest::mouseClick(box(d, 4), Qt::LeftButton, {}, QPoint(4, box(d, 4)->height() / 2));
        click(d, "Command1");
        QVERIFY(d.isVisible());
        PrintFlags expected{};
        expected[4] = true;
        QCOMPARE(d.ticks(), expected);
        QCOMPARE(d.printFlags(), expected);
        click(d, "CommandClrAll");
        QCOMPARE(d.ticks(), PrintFlags{});
    }

    void cancelledPrintDialogKeepsTheDialogOpen() {
        PrintSectionsDialog d(codeplug_, english_);
        show(d);
        click(d, "CommandSelAll");
        ModalDriver driver;
        driver.dialog("PrintDialog", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        click(d, "Command1");
        QVERIFY(driver.done());
        QVERIFY(d.isVisible());
        QVERIFY(box(d, 0)->isChecked());
    }

    void printsThroughThePrintDialog() {
        QTemporaryDir dir;
        PrintSectionsDialog d(codeplug_, english_);
        d.printer().setOutputFormat(QPrinter::PdfFormat);
        d.printer().setOutputFileName(dir.filePath("printed.pdf"));
        show(d);
        QTest::mouseClick(box(d, 4), Qt::LeftButton, {}, QPoint(4, box(d, 4)->height() / 2));
        ModalDriver driver;
        driver.dialog("PrintDialog", [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
        click(d, "Command1");
        QVERIFY(driver.done());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QProcess text;
        text.start("pdftotext", {d.printer().outputFileName(), "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString pages = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(pages.count('\f'), 1);
        QVERIFY(pages.contains("DTMF"));
    }
};

QTEST_MAIN(PrintSectionsDialogTest)
#include "test_print_sections_dialog.moc"
