// Program › Fleet programming against two virtual radios on pseudo-terminals: a roster
// generated in the window, both ports ticked, Start, and each radio verified with its own
// unit, the board and the log saying so; in both languages.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <array>

#include "storage/codeplug_files.h"
#include "support/recording_reporter.h"
#include "support/virtual_radio_process.h"
#include "ui/fleet/fleet_dialog.h"
#include "ui/ui_text.h"

using namespace torvik;

class FleetDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::array<test::VirtualRadioProcess, 2> radios_;

    QString path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void writesEveryTickedPort_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("summary");
        QTest::newRow("English") << Language::English << "2 of 2 units done, 0 failed.";
        QTest::newRow("Chinese") << Language::Chinese << "2 台中已完成 2 台，失败 0 台。";
    }
    void writesEveryTickedPort() {
        QFETCH(Language, language);
        QFETCH(QString, summary);
        std::vector<SerialDevice> devices;
        for (std::size_t i = 0; i < radios_.size(); ++i) {
            const QString tty = path(QString("tty%1").arg(i));
            QVERIFY(radios_[i].start(TORVIK_RADIO_PATH, path(QString("radio%1.img").arg(i)), tty,
                                     {"--serial", QString("SN-%1").arg(i)}));
            devices.push_back({tty.toStdString(), tty.toStdString()});
        }
        PortMap ports{ProfileFile()};
        ports.update(devices);

        FleetDialogSetup setup;
        test::RecordingReporter reporter;
        reporter.lang = language;
        const QString templ = QString(TORVIK_BIN_DIR) + "/Init/MERLAN_3.dat";
        QVERIFY(OpenCodeplug(templ.toStdString(), setup.templ, reporter));
        QFile::remove(path("template.dat"));
        QFile::remove(path("template.fre"));
        QVERIFY(QFile::copy(templ, path("template.dat")));
        QVERIFY(QFile::copy(QString(templ).replace(".dat", ".fre"), path("template.fre")));
        setup.templateFile = path("template.dat").toStdString();
        setup.backupFolder = path("backups").toStdString();
        FleetDialog dialog(std::move(setup), ports, reporter);
        dialog.show();

        auto* count = dialog.findChild<QSpinBox*>("FleetUnitCount");
        count->selectAll();
        QTest::keyClicks(count, "2");
        QTest::keyClicks(dialog.findChild<QLineEdit*>("FleetCounting"), "DtmfId=101");
        QTest::mouseClick(dialog.findChild<QPushButton*>("FleetGenerate"), Qt::LeftButton);
        auto* roster = dialog.findChild<QTableWidget*>("FleetRoster");
        QCOMPARE(roster->rowCount(), 2);
        QCOMPARE(roster->item(1, 1)->text(), QString("102"));

        auto* portList = dialog.findChild<QListWidget*>("FleetPorts");
        QCOMPARE(portList->count(), 2);
        portList->setFocus();
        for (int row = 0; row < 2; ++row) {
            portList->setCurrentRow(row);
            QTest::keyClick(portList, Qt::Key_Space);
            QCOMPARE(portList->item(row)->checkState(), Qt::Checked);
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("FleetStart"), Qt::LeftButton);
        QVERIFY(dialog.running());
        auto* summaryLabel = dialog.findChild<QLabel*>("FleetSummary");
        QTRY_COMPARE_WITH_TIMEOUT(summaryLabel->text(), summary, 60000);
        QVERIFY(!dialog.running());

        auto* board = dialog.findChild<QTableWidget*>("FleetBoard");
        const QString done = BuiltInQ(TextId::FleetDone, language);
        QStringList units;
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(board->item(row, 3)->text(), done);
            units << board->item(row, 1)->text();
        }
        units.sort();
        QCOMPARE(units, QStringList({"1", "2"}));
        QFile log(dialog.logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray rows = log.readAll();
        QCOMPARE(rows.count("verified"), 2);
        if (const QString grab = qEnvironmentVariable("TORVIK_GRAB_DIR"); !grab.isEmpty()) {
            dialog.grab().save(grab + QString("/fleet-%1.png").arg(QTest::currentDataTag()));
        }
        QFile::remove(dialog.logPath());
        for (test::VirtualRadioProcess& radio : radios_) radio.stop();
    }
};

QTEST_MAIN(FleetDialogTest)
#include "test_fleet_dialog.moc"
