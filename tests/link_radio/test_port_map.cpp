// Port numbers that stay with their devices between runs.
#include <QtTest>

#include "link/serial/port_map.h"

using namespace torvik;

class PortMapTest : public QObject {
    Q_OBJECT

  private slots:
    void numbersStayWithTheirDevices() {
        ProfileFile profile;
        PortMap map(profile);
        const SerialDevice usbA{"/dev/serial/by-id/usb-A", "/dev/ttyUSB0"};
        const SerialDevice usbB{"/dev/serial/by-id/usb-B", "/dev/ttyUSB1"};
        QVERIFY(map.update({usbA, usbB}));
        QCOMPARE(map.firstPresentPort(), 1);
        QCOMPARE(map.devicePath(2).value_or(""), std::string("/dev/ttyUSB1"));
        map.store(profile);

        // Next run: only B is plugged in, and the kernel now calls it ttyUSB0.
        PortMap later(profile);
        QVERIFY(!later.update({{"/dev/serial/by-id/usb-B", "/dev/ttyUSB0"}}));
        QVERIFY(!later.isPortPresent(1));
        QCOMPARE(later.devicePath(2).value_or(""), std::string("/dev/ttyUSB0"));
        QCOMPARE(later.firstPresentPort(), 2);
        std::vector<std::string> list{"stale"};
        QCOMPARE(later.listSerialPorts(list), 2);
        QCOMPARE(list, std::vector<std::string>{"COM2"});

        // A new adapter takes the lowest free number.
        later.update({{"/dev/serial/by-id/usb-C", "/dev/ttyUSB1"},
                      {"/dev/serial/by-id/usb-B", "/dev/ttyUSB0"}});
        QCOMPARE(later.numberOf("/dev/ttyUSB1").value_or(0), 3);
    }

    void virtualDevices() {
        ProfileFile profile;
        PortMap map(profile);
        QCOMPARE(map.addVirtual("/dev/pts/7"), 1);
        map.update({{"/dev/ttyUSB0", "/dev/ttyUSB0"}});
        QCOMPARE(map.devicePath(1).value_or(""), std::string("/dev/pts/7"));  // survives a rescan
        QCOMPARE(map.numberOf("/dev/ttyUSB0").value_or(0), 2);
        map.store(profile);
        QVERIFY(!profile.get(kPortMapSection, "1").has_value());  // not remembered
        QCOMPARE(profile.get(kPortMapSection, "2").value_or(""), std::string("/dev/ttyUSB0"));
    }

    void emptyMap() {
        PortMap map(ProfileFile{});
        std::vector<std::string> list;
        QCOMPARE(map.listSerialPorts(list), 0);
        QVERIFY(list.empty());
        QCOMPARE(map.firstPresentPort(), 0);
    }
};

QTEST_APPLESS_MAIN(PortMapTest)
#include "test_port_map.moc"
