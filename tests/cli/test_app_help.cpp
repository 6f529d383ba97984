// The application answers --help and --version where there is no display at all.
#include <QProcess>
#include <QtTest>

class AppHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << "--help"
                              << "--demo";
        QTest::newRow("version") << "--version"
                                 << "TORVIK CPS";
    }
    void answersWithoutADisplay() {
        QFETCH(QString, flag);
        QFETCH(QString, expected);
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // A window would need the X server named here, and there is none.
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        app.setProcessEnvironment(env);
        app.start(TORVIK_APP_PATH, {flag});
        QVERIFY(app.waitForFinished(20000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY2(app.readAllStandardOutput().contains(expected.toUtf8()),
                 qPrintable(app.readAllStandardError()));
    }
};

QTEST_GUILESS_MAIN(AppHelpTest)
#include "test_app_help.moc"
