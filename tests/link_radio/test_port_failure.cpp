// The reasons a device did not open, in words a person can act on.
#include <QtTest>

#include "qtlink/port_failure.h"

using namespace torvik;

class PortFailureTest : public QObject {
    Q_OBJECT

  private slots:
    void texts_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no access") << int(QSerialPort::PermissionError)
                                   << "Permission denied: /dev/no-such-tty. Join the group "
                                      "\"dialout\" with: sudo usermod -aG dialout $USER (then "
                                      "log out and in again).";
        QTest::newRow("missing") << int(QSerialPort::DeviceNotFoundError)
                                 << "/dev/no-such-tty does not exist (is the cable plugged in?).";
        QTest::newRow("other") << int(QSerialPort::UnknownError)
                               << "/dev/no-such-tty: something else";
    }
    void texts() {
        QFETCH(int, error);
        QFETCH(QString, expected);
        const std::string text = OpenFailureText(
            "/dev/no-such-tty", static_cast<QSerialPort::SerialPortError>(error), "something else");
        QCOMPARE(QString::fromStdString(text), expected);
    }

    // Only a device this user may not open calls for the serial group; a missing device or
    // another error does not.
    void lacksPermission_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("expected");
        QTest::newRow("refused") << "/dev/no-such-tty" << int(QSerialPort::PermissionError) << true;
        QTest::newRow("open to this user") << QCoreApplication::applicationFilePath()
                                           << int(QSerialPort::PermissionError) << false;
        QTest::newRow("missing") << "/dev/no-such-tty" << int(QSerialPort::DeviceNotFoundError)
                                 << false;
    }
    void lacksPermission() {
        QFETCH(QString, path);
        QFETCH(int, error);
        QFETCH(bool, expected);
        QCOMPARE(
            LacksPermission(path.toStdString(), static_cast<QSerialPort::SerialPortError>(error)),
            expected);
    }

    void holderFromTheLockFile() {
        QTemporaryDir dir;
        // This test process holds a made-up device, as a lock file names it.
        const QString name = "ttyTORVIKTEST" + QString::number(QCoreApplication::applicationPid());
        QFile lock(dir.filePath("LCK.." + name));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(QCoreApplication::applicationPid()).rightJustified(10, ' ') +
                   "\n");
        lock.close();
        const std::string holder =
            DeviceHolder("/dev/" + name.toStdString(), {dir.path().toStdString()});
        lock.remove();
        QCOMPARE(QString::fromStdString(holder),
                 QString("test_port_failu (process %1)").arg(QCoreApplication::applicationPid()));
    }
};

QTEST_GUILESS_MAIN(PortFailureTest)
#include "test_port_failure.moc"
