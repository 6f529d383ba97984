// The USB adapter behind a serial device, from a sysfs tree laid out as the kernel does.
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "link/serial/usb_info.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, const std::string& line) {
    std::ofstream(file) << line << "\n";
}

}  // namespace

class UsbInfoTest : public QObject {
    Q_OBJECT

  private slots:
    void adapterAndPlainPort() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const fs::path usb = root / "sys/devices/pci0/usb1/1-1";
        fs::create_directories(usb / "1-1:1.0/ttyUSB7");
        Write(usb / "idVendor", "0403");
        Write(usb / "idProduct", "6001");
        Write(usb / "product", "FT232R USB UART");
        fs::create_directories(root / "sys/class/tty/ttyUSB7");
        fs::create_directory_symlink(usb / "1-1:1.0", root / "sys/class/tty/ttyUSB7/device");
        // A port on the main board: its device has no USB numbers above it.
        fs::create_directories(root / "sys/devices/platform/serial8250/tty/ttyS0");
        fs::create_directories(root / "sys/class/tty/ttyS0");
        fs::create_directory_symlink(root / "sys/devices/platform/serial8250",
                                     root / "sys/class/tty/ttyS0/device");
        fs::create_directories(root / "dev");
        Write(root / "dev/ttyUSB7", "");
        Write(root / "dev/ttyS0", "");

        const std::optional<UsbInfo> info =
            UsbInfoOf((root / "dev/ttyUSB7").string(), root / "sys");
        QVERIFY(info);
        QCOMPARE(info->vendorId, std::string("0403"));
        QCOMPARE(info->productId, std::string("6001"));
        QCOMPARE(info->product, std::string("FT232R USB UART"));
        QVERIFY(!UsbInfoOf((root / "dev/ttyS0").string(), root / "sys"));
        QVERIFY(!UsbInfoOf((root / "dev/missing").string(), root / "sys"));
    }
};

QTEST_APPLESS_MAIN(UsbInfoTest)
#include "test_usb_info.moc"
