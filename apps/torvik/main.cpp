// torvik: the TORVIK CPS application. Start-up (home, language, settings, ports, first
// codeplug), the demo radio when asked for or when there is no serial port, the splash
// window, then the main window for the rest of the run.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/startup.h"
#include "link/serial/port_map.h"
#include "ui/about_dialog.h"
#include "ui/demo_radio.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/ui_text.h"

namespace {

using namespace torvik;

// Long enough for the window's first layout and paint.
constexpr int kScreenshotDelayMs = 500;

// Starts the demo radio and makes its device the chosen port. False when it did not start.
bool StartDemo(DemoRadio& demo, AppSession& session, PortMap& ports) {
    const QString program = DemoRadio::ProgramBeside(QCoreApplication::applicationDirPath());
    const QString image = QString::fromStdString((PerUserFolder() / "demo-radio.img").string());
    const QString home = QString::fromStdString(session.home.dataDir.string());
    const std::optional<std::string> device = demo.start(program, image, home);
    if (!device) return false;
    session.settings.PortNumber = static_cast<std::int16_t>(ports.addVirtual(*device));
    return true;
}

bool AskForDemo(Language language) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle),
                    BuiltInQ(TextId::NoSerialPort, language), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void NameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("TORVIK CPS"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Programming software for TORVIK radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"home", "The application folder (language files, templates, settings).", "DIR"},
        {"demo", "Start the built-in demo radio and use it as the serial port."},
        {"no-splash", "Show the main window at once."},
        {"screenshot", "Save a picture of the main window as a PNG file, then quit.", "FILE"},
    });
}

// --help and --version only print, so they must work where no display is, as on a server or
// in a package build.
bool OnlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "--help-all" ||
            arg == "--version" || arg == "-v") {
            return true;
        }
    }
    return false;
}

bool WantsScreenshot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--screenshot" || arg.starts_with("--screenshot=")) return true;
    }
    return false;
}

// Whether a display server the window platform would use answers here: a Wayland socket, or
// an X display whose local socket exists (a remote or unusual DISPLAY is taken as reachable
// and left to Qt).
bool DisplayReachable() {
    namespace fs = std::filesystem;
    std::error_code error;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        const fs::path socket =
            wayland.startsWith('/')
                ? fs::path(wayland.toStdString())
                : fs::path(qgetenv("XDG_RUNTIME_DIR").toStdString()) / wayland.toStdString();
        if (fs::exists(socket, error)) return true;
    }
    const QByteArray x = qgetenv("DISPLAY");
    if (x.isEmpty()) return false;
    if (!x.startsWith(':')) return true;
    const QByteArray number = x.mid(1).split('.').front();
    return fs::exists("/tmp/.X11-unix/X" + number.toStdString(), error);
}

// Without a display Qt's window platform aborts with a core dump and the advice to
// reinstall. Say what is wrong instead; a screenshot needs no display and is drawn offscreen.
// False: the program must end.
bool PrepareDisplay(bool screenshot) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsServer =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!needsServer || DisplayReachable()) return true;
    if (screenshot) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    std::fputs(
        "torvik: no display is reachable (neither DISPLAY nor WAYLAND_DISPLAY names a running "
        "display).\n"
        "Start it in a desktop session, or over SSH with X forwarding (ssh -X). torvik-cli does "
        "the same work in a terminal, and torvik --screenshot FILE needs no display.\n",
        stderr);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (OnlyPrints(argc, argv)) {
        QCoreApplication core(argc, argv);
        NameTheApplication();
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.process(core);  // prints and ends the program
        return 0;
    }

    const bool screenshot = WantsScreenshot(argc, argv);
    if (!PrepareDisplay(screenshot)) return 1;
    QApplication app(argc, argv);
    NameTheApplication();
    QApplication::setWindowIcon(ApplicationIcon());
    PrepareIconTheme();

    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);

    std::optional<std::filesystem::path> home;
    if (parser.isSet("home")) home = parser.value("home").toStdString();
    const AppHome appHome = ResolveAppHome(home);
    PortMap ports(ProfileFile::Load(appHome.setupProfileForRead()));
    const bool portsAdded = ports.update(ScanSerialDevices());
    const std::unique_ptr<AppSession> session =
        RunStartup({home, SystemLocaleName(), ports.presentNumbers()});
    if (portsAdded) {
        // Numbers given to new adapters stay with them in later runs.
        ProfileFile profile = ProfileFile::Load(session->home.setupProfileForRead());
        ports.store(profile);
        profile.save(session->home.setupProfile());
    }

    DemoRadio demo;
    bool wantDemo = parser.isSet("demo");
    // A screenshot run asks nothing: nobody may be there to answer.
    if (!wantDemo && ports.presentPorts().empty() && !screenshot) {
        wantDemo = AskForDemo(session->language);
    }
    const bool demoRunning = wantDemo && StartDemo(demo, *session, ports);
    if (wantDemo && !demoRunning) {
        QMessageBox::warning(nullptr, QString::fromLatin1(kApplicationTitle),
                             BuiltInQ(TextId::DemoFailed, session->language));
    }

    MainWindow window(*session, ports);
    if (demoRunning) window.portSettings().port = PortId::Number(session->settings.PortNumber);

    const QPixmap picture(QString::fromStdString(
        SplashPicturePath(session->home.dataDir, session->language).string()));
    if (parser.isSet("screenshot")) {
        // For manuals and the software centre: the window as it first shows, without a splash.
        window.show();
        const QString file = parser.value("screenshot");
        QTimer::singleShot(kScreenshotDelayMs, &window, [&window, file] {
            const bool saved = window.grab().save(file, "PNG");
            QCoreApplication::exit(saved ? 0 : 1);
        });
    } else if (parser.isSet("no-splash") || picture.isNull()) {
        window.show();
    } else {
        auto* splash = new SplashWindow(picture);
        QObject::connect(splash, &SplashWindow::finished, &window, &QWidget::show);
        splash->start();
    }
    const int result = app.exec();
    demo.stop();
    return result;
}
