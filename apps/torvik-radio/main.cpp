// torvik-radio: a virtual TORVIK radio on a pseudo-terminal. It echoes every byte as the
// programming cable does and answers the programming protocol from a 16 KB memory kept in an
// image file, so writes persist between runs. Faults can be injected; --baud-pace sends at
// the byte rate of a real 9600-baud line. It is also the application's built-in demo radio.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <optional>

#include "aggregate/image_codec.h"
#include "app/app_home.h"
#include "functions/radioinfo/radio_info.h"
#include "functions/radioinfo/radio_info_codec.h"
#include "link/virtual_radio.h"
#include "platform/file_io.h"
#include "storage/new_codeplug.h"

namespace {

using namespace torvik;
using Clock = std::chrono::steady_clock;

// 10 bits a byte (start, 8 data, stop) at 9600 baud.
constexpr auto kByteTime = std::chrono::microseconds(1000000 * 10 / 9600);

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

class QuietReporter : public Reporter {
  public:
    Language language() const override { return Language::English; }
    std::string langText(int) const override { return {}; }
    void show(Severity, std::string_view text, std::string_view) override {
        std::fprintf(stderr, "torvik-radio: %.*s\n", static_cast<int>(text.size()), text.data());
    }
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }
};

// The memory of a radio fresh from the factory: a new codeplug of its band, encoded.
std::optional<VirtualRadio::Memory> FactoryMemory(const AppHome& home, int band) {
    Codeplug codeplug;
    codeplug.band.setCode(static_cast<std::int16_t>(band));
    NewCodeplug(codeplug, {home.initFolder(), true});
    QuietReporter reporter;
    const std::optional<EncodedImage> encoded = EncodeImage(codeplug, reporter);
    if (!encoded) return std::nullopt;
    VirtualRadio::Memory memory{};
    std::copy(encoded->image().bytes().begin(), encoded->image().bytes().end(), memory.begin());
    std::fill_n(memory.begin(), RadioImage::kTestDataEnd, 0x00);
    return memory;
}

bool SaveMemory(const std::filesystem::path& path, const VirtualRadio::Memory& memory) {
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()));
}

int OpenPseudoTerminal(std::string& slaveName, int& slaveFd) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return -1;
    slaveName = ::ptsname(master);
    // Holding the slave open keeps the master readable between sessions, and raw mode makes
    // the line carry bytes untouched before the application sets it up itself.
    slaveFd = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);
    if (slaveFd < 0) return -1;
    termios tio{};
    ::tcgetattr(slaveFd, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    ::tcsetattr(slaveFd, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    return master;
}

int IntOption(const QCommandLineParser& parser, const char* name) {
    return parser.isSet(name) ? parser.value(name).toInt() : 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("A virtual TORVIK radio on a pseudo-terminal.");
    parser.addHelpOption();
    parser.addOptions({
        {"image", "The radio's 16 KB memory (created from a new codeplug when missing).", "FILE"},
        {"link", "Also make PATH a symbolic link to the served device.", "PATH"},
        {"home", "Application folder for the factory templates.", "DIR"},
        {"model", "Model identity (default MERLAN).", "TEXT", "MERLAN"},
        {"radio-version", "Firmware version (default V100).", "TEXT", "V100"},
        {"band", "Band code (default 3).", "CODE", "3"},
        {"features", "Feature bits as hex: 80 5-Tone, 40 2-Tone, 20 DTMF, 10 fourth (default E0).",
         "HEX", "E0"},
        {"killed", "Report the radio as killed."},
        {"stunned", "Report the radio as stunned."},
        {"password", "Programming password (up to 4 characters).", "TEXT"},
        {"test-data", "The 16 factory tuning bytes as 32 hex digits.", "HEX"},
        {"drop-every", "Leave every Nth reply unanswered.", "N"},
        {"corrupt-every", "Spoil the checksum of every Nth data reply.", "N"},
        {"split", "Send every reply in two pieces."},
        {"delay", "Answer this many milliseconds late.", "MS"},
        {"silent-after", "Stop answering after N block frames.", "N"},
        {"baud-pace", "Send at the byte rate of a 9600-baud line."},
        {"repeat-writes", "Answer every data frame with a repeat request (0x0A)."},
        {"store-wrong", "Acknowledge every Nth data frame but store it spoilt.", "N"},
        {"serial", "The serial number the radio's embedded information reports.", "TEXT"},
    });
    parser.process(app);

    VirtualRadioConfig config;
    config.model = parser.value("model").toStdString();
    config.version = parser.value("radio-version").toStdString();
    config.band = static_cast<std::uint8_t>(parser.value("band").toInt());
    config.featureBits = static_cast<std::uint8_t>(parser.value("features").toInt(nullptr, 16));
    config.killed = parser.isSet("killed");
    config.stunned = parser.isSet("stunned");
    config.dropEveryNth = IntOption(parser, "drop-every");
    config.corruptEveryNth = IntOption(parser, "corrupt-every");
    config.splitReplies = parser.isSet("split");
    config.replyDelayMs = IntOption(parser, "delay");
    config.silentAfterBlocks = IntOption(parser, "silent-after");
    config.repeatWrites = parser.isSet("repeat-writes");
    config.storeWrongEveryNth = IntOption(parser, "store-wrong");
    if (config.model.size() < 2) {
        std::fprintf(stderr, "torvik-radio: the model needs at least two characters\n");
        return 2;
    }

    std::optional<std::filesystem::path> explicitHome;
    if (parser.isSet("home")) explicitHome = parser.value("home").toStdString();
    const AppHome home = ResolveAppHome(explicitHome);
    const std::filesystem::path imagePath =
        parser.isSet("image") ? std::filesystem::path(parser.value("image").toStdString())
                              : PerUserFolder() / "virtual-radio.img";

    VirtualRadio::Memory memory{};
    const std::optional<std::string> stored = ReadWholeFile(imagePath);
    if (stored && stored->size() == memory.size()) {
        std::copy(stored->begin(), stored->end(), memory.begin());
    } else if (stored) {
        std::fprintf(stderr, "torvik-radio: %s is not a 16384-byte image\n", imagePath.c_str());
        return 1;
    } else {
        const auto fresh = FactoryMemory(home, config.band);
        if (!fresh || !SaveMemory(imagePath, *fresh)) {
            std::fprintf(stderr, "torvik-radio: cannot create %s\n", imagePath.c_str());
            return 1;
        }
        memory = *fresh;
    }

    if (parser.isSet("serial")) {
        // One image can stand for many radios: the serial number is the radio's, not the
        // codeplug's, and is never written by a programming session.
        const std::string serial = parser.value("serial").toStdString();
        constexpr std::size_t kWidth = decltype(RadioInfo::serialNumber)::kWidth;
        if (serial.size() > kWidth) {
            std::fprintf(stderr, "torvik-radio: --serial takes at most %zu characters\n", kWidth);
            return 2;
        }
        for (std::size_t i = 0; i < kWidth; ++i) {
            memory[RadioInfoLayout::kSerialNumber + i] =
                i < serial.size() ? static_cast<std::uint8_t>(serial[i]) : 0x00;
        }
    }

    VirtualRadio radio(config, memory);
    if (parser.isSet("password")) radio.setPassword(parser.value("password").toStdString());
    if (parser.isSet("test-data")) {
        const QByteArray bytes = QByteArray::fromHex(parser.value("test-data").toLatin1());
        if (bytes.size() != 16) {
            std::fprintf(stderr, "torvik-radio: --test-data needs 32 hex digits\n");
            return 2;
        }
        std::array<std::uint8_t, 16> data{};
        std::copy(bytes.begin(), bytes.end(), data.begin());
        radio.setTestData(data);
    }

    std::string device;
    int slaveFd = -1;
    const int master = OpenPseudoTerminal(device, slaveFd);
    if (master < 0) {
        std::fprintf(stderr, "torvik-radio: cannot open a pseudo-terminal\n");
        return 1;
    }
    std::filesystem::path link;
    if (parser.isSet("link")) {
        link = parser.value("link").toStdString();
        std::error_code ec;
        std::filesystem::remove(link, ec);
        std::filesystem::create_symlink(device, link, ec);
        if (ec) {
            std::fprintf(stderr, "torvik-radio: cannot link %s: %s\n", link.c_str(),
                         ec.message().c_str());
            return 1;
        }
    }
    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

    ::signal(SIGINT, OnSignal);
    ::signal(SIGTERM, OnSignal);
    ::signal(SIGHUP, OnSignal);

    const bool pace = parser.isSet("baud-pace");
    struct Scheduled {
        Clock::time_point due;
        std::uint8_t byte;
    };
    std::deque<Scheduled> queue;
    Clock::time_point lineFree = Clock::now();

    while (!g_stop) {
        const bool idle = queue.empty();
        int timeoutMs = 200;
        if (!queue.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                queue.front().due - Clock::now());
            timeoutMs = std::max<int>(0, static_cast<int>(wait.count()));
        }
        pollfd pfd{master, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, timeoutMs);
        if (ready > 0 && (pfd.revents & POLLIN)) {
            std::uint8_t buffer[512];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                for (const RadioOutput& piece :
                     radio.receive(std::span(buffer, static_cast<std::size_t>(n)))) {
                    Clock::time_point due =
                        std::max(Clock::now(), lineFree) + std::chrono::milliseconds(piece.delayMs);
                    for (std::uint8_t b : piece.bytes) {
                        queue.push_back({due, b});
                        if (pace) due += kByteTime;
                    }
                    lineFree = due;
                }
            }
        }
        // Everything due goes out in one write.
        std::vector<std::uint8_t> out;
        const auto now = Clock::now();
        while (!queue.empty() && queue.front().due <= now) {
            out.push_back(queue.front().byte);
            queue.pop_front();
        }
        std::size_t written = 0;
        while (written < out.size()) {
            const ssize_t n = ::write(master, out.data() + written, out.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            else if (errno != EAGAIN && errno != EINTR)
                break;
        }
        // Written memory is saved once the line has been quiet for a while (nothing to send,
        // nothing received), not between blocks of a transfer.
        if (ready == 0 && idle && radio.takeMemoryChanged() &&
            !SaveMemory(imagePath, radio.memory())) {
            std::fprintf(stderr, "torvik-radio: cannot save %s\n", imagePath.c_str());
        }
    }
    if (radio.takeMemoryChanged()) SaveMemory(imagePath, radio.memory());
    if (!link.empty()) {
        std::error_code ec;
        std::filesystem::remove(link, ec);
    }
    ::close(slaveFd);
    ::close(master);
    return 0;
}
