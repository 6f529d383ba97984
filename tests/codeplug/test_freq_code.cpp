// Frequency codes, band checks and snapping to the channel raster.
#include <QtTest>

#include "codeplug/freq_code.h"
#include "support/recording_reporter.h"

using namespace torvik;
using test::RecordingReporter;

namespace {

Band BandOf(int code) {
    Band band;
    band.setCode(static_cast<std::int16_t>(code));
    return band;
}

}  // namespace

class FreqCodeTest : public QObject {
    Q_OBJECT

  private slots:
    void textToCode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("decimal") << "435.00625"
                                 << "043500625";
        QTest::newRow("8.33 kHz") << "118.00833"
                                  << "011800833";
        QTest::newRow("whole MHz") << "435"
                                   << "043500000";
        QTest::newRow("four digits give the short code") << "4355"
                                                         << "0435";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("not a number") << "43a.5"
                                      << "";
    }
    void textToCode() {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(QString::fromStdString(FreqTextToCode(text.toStdString())), code);
    }

    void codeToText_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("UHF") << "043500625"
                             << "435.00625"
                             << "435.00625";
        QTest::newRow("VHF") << "014612500"
                             << "146.12500"
                             << "146.12500";
        QTest::newRow("offset") << "000500000"
                                << "005.00000"
                                << "5.00000";
        QTest::newRow("short code") << "0435"
                                    << "435.00000"
                                    << "435.00000";
        QTest::newRow("none") << "FFFFFFFFF"
                              << ""
                              << "0.00000";
        QTest::newRow("empty") << ""
                               << ""
                               << "0.00000";
    }
    void codeToText() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, plain);
        RecordingReporter reporter;
        const Band band;
        QCOMPARE(
            QString::fromStdString(FreqCodeToText(code.toStdString(), band.limits(), reporter)),
            text);
        QCOMPARE(QString::fromStdString(FreqCodeToPlainText(code.toStdString(), reporter)), plain);
        QVERIFY(reporter.shown.empty());
    }

    void nonNumericCodeIsReported() {
        RecordingReporter reporter;
        const Band band;
        QCOMPARE(QString::fromStdString(FreqCodeToText("04350A625", band.limits(), reporter)),
                 QString("136.00000"));
        QCOMPARE(QString::fromStdString(FreqCodeToPlainText("04350A625", reporter)),
                 QString("0.00000"));
        QCOMPARE(reporter.shownTexts(),
                 (std::vector<std::string>{"Not IsNumeric", "Not IsNumeric"}));
    }

    void snap_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<double>("in");
        QTest::addColumn<QString>("out");
        // Band 3 (136 MHz low edge, 2.5 kHz raster).
        QTest::newRow("down to 2.5 kHz") << 3 << 136.0013 << "136.00000";
        QTest::newRow("down to next 2.5 kHz") << 3 << 136.0037 << "136.00250";
        QTest::newRow("6.25 kHz kept") << 3 << 136.00625 << "136.00625";
        QTest::newRow("third 8.33 step is 25 kHz") << 3 << 136.02499 << "136.02500";
        QTest::newRow("8.33 kHz kept") << 3 << 136.00833 << "136.00833";
        QTest::newRow("22.5 kHz on the raster kept") << 3 << 136.0225 << "136.02250";
        // Band 48 (400 MHz low edge, 5 kHz raster).
        QTest::newRow("5 kHz raster") << 48 << 435.0037 << "435.00000";
        QTest::newRow("2.5 kHz is off the 5 kHz raster") << 48 << 435.0025 << "435.00000";
        QTest::newRow("12.5 kHz kept") << 48 << 435.0125 << "435.01250";
        QTest::newRow("counted from the low edge") << 16 << 245.0075 << "245.00500";
    }
    void snap() {
        QFETCH(int, band);
        QFETCH(double, in);
        QFETCH(QString, out);
        const Band b = BandOf(band);
        QCOMPARE(QString::fromStdString(FormatFrequency(SnapRxFrequency(in, b))), out);
        QCOMPARE(QString::fromStdString(FormatFrequency(SnapTxFrequency(in, b))), out);
    }

    void checkKeepsInsideTheBand_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rx");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("warned");
        // Band 2: receive 136..173.9975, transmit 144..145.9975.
        QTest::newRow("rx inside") << "150.0013" << true << "150.00000" << false;
        QTest::newRow("rx below") << "100" << true << "136.00000" << true;
        QTest::newRow("rx above") << "180.5" << true << "173.99750" << true;
        QTest::newRow("tx below its own band") << "140" << false << "144.00000" << true;
        QTest::newRow("tx above") << "146" << false << "145.99750" << true;
        QTest::newRow("not a number") << "abc" << true << "136.00000" << true;
    }
    void checkKeepsInsideTheBand() {
        QFETCH(QString, text);
        QFETCH(bool, rx);
        QFETCH(QString, result);
        QFETCH(bool, warned);
        RecordingReporter reporter;
        reporter.texts[2001] = "Frequency out of range";
        const Band band = BandOf(2);
        const std::string got = rx ? CheckRxFrequencyText(text.toStdString(), band, reporter)
                                   : CheckTxFrequencyText(text.toStdString(), band, reporter);
        QCOMPARE(QString::fromStdString(got), result);
        QCOMPARE(!reporter.shown.empty(), warned);
        if (warned) {
            QCOMPARE(reporter.shown.front().text, std::string("Frequency out of range"));
            QCOMPARE(reporter.shown.front().severity, Severity::Warning);
        }
    }

    void offsetFromTx_data() {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("result");
        QTest::newRow("plus") << "0.6"
                              << "145.0" << 2 << "000.60000";
        QTest::newRow("minus") << "0.6"
                               << "145.0" << 1 << "000.60000";
        QTest::newRow("clipped by the transmit band") << "5"
                                                      << "145.0" << 2 << "000.99750";
        QTest::newRow("not a number") << "x"
                                      << "145.0" << 2 << "000.00000";
    }
    void offsetFromTx() {
        QFETCH(QString, offset);
        QFETCH(QString, rx);
        QFETCH(int, shift);
        QFETCH(QString, result);
        RecordingReporter reporter;
        QCOMPARE(QString::fromStdString(OffsetFromTx(offset.toStdString(), rx.toStdString(), shift,
                                                     BandOf(2), reporter)),
                 result);
    }
};

QTEST_APPLESS_MAIN(FreqCodeTest)
#include "test_freq_code.moc"
