// The application answers --help and --version where there is no display at all, says so
// when it has no display to open its window on, and takes a screenshot without one.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The environment of a machine without any display: no display variables, no platform set.
QProcessEnvironment Headless(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    return env;
}

}  // namespace

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

    void noDisplayIsNamedNotDumped() {
        QTemporaryDir home;
        QProcess app;
        app.setProcessEnvironment(Headless(home));
        app.start(TORVIK_APP_PATH, {"--no-splash"});
        QVERIFY(app.waitForFinished(20000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
        QCOMPARE(app.exitCode(), 1);
        const QByteArray err = app.readAllStandardError();
        QVERIFY2(err.contains("no display is reachable"), err.constData());
        QVERIFY2(err.contains("ssh -X"), err.constData());
        QVERIFY2(!err.contains("reinstalling"), err.constData());
    }

    void screenshotNeedsNoDisplay() {
        QTemporaryDir home;
        const QString shot = home.filePath("window.png");
        QProcess app;
        app.setProcessEnvironment(Headless(home));
        app.start(TORVIK_APP_PATH, {"--screenshot", shot});
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QVERIFY2(app.exitCode() == 0, app.readAllStandardError().constData());
        QVERIFY(QFileInfo(shot).size() > 0);
    }
};

QTEST_GUILESS_MAIN(AppHelpTest)
#include "test_app_help.moc"
