#include "fleet/fleet_log.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <ctime>
#include <map>

#include "interchange/csv_text.h"
#include "platform/file_io.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr const char* kColumns[] = {"Time",    "Unit",     "Device", "Serial",  "Model",
                                    "Version", "Template", "Result", "Seconds", "Detail"};
constexpr std::size_t kUnitColumn = 1;
constexpr std::size_t kResultColumn = 7;

}  // namespace

std::string_view UnitResultText(UnitResult result) {
    switch (result) {
        case UnitResult::Written:
            return "written";
        case UnitResult::Verified:
            return "verified";
        case UnitResult::Failed:
            return "failed";
        case UnitResult::Stopped:
            return "stopped";
    }
    return "failed";
}

std::string FleetLogTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    // strftime writes the offset as +0100; ISO 8601's extended form has +01:00.
    std::string stamp(text);
    if (stamp.size() >= 5) stamp.insert(stamp.size() - 2, ":");
    return stamp;
}

std::string FleetLogHeader() {
    return CsvRecord({std::begin(kColumns), std::end(kColumns)});
}

std::string FleetLogLine(const FleetLogRow& row) {
    return CsvRecord({row.time, row.unit, row.device, row.serial, row.model, row.version,
                      row.templateDigest, std::string(UnitResultText(row.result)),
                      FormatFixed(row.seconds, 1, 1), row.detail});
}

std::optional<std::string> TemplateDigest(const std::filesystem::path& dataFile) {
    std::filesystem::path channelFile = dataFile;
    channelFile.replace_extension(".fre");
    const std::optional<std::string> data = ReadWholeFile(dataFile);
    const std::optional<std::string> channels = ReadWholeFile(channelFile);
    if (!data || !channels) return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(data->data(), static_cast<qsizetype>(data->size())));
    hash.addData(QByteArrayView(channels->data(), static_cast<qsizetype>(channels->size())));
    return hash.result().toHex().toStdString();
}

std::set<std::string> FinishedUnits(std::string_view logText) {
    std::map<std::string, std::string> last;
    const std::vector<CsvLine> lines = ParseCsv(logText);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string>& f = lines[i].fields;
        if (f.size() > kResultColumn) last[f[kUnitColumn]] = f[kResultColumn];
    }
    std::set<std::string> finished;
    for (const auto& [unit, result] : last) {
        if (result == UnitResultText(UnitResult::Written) ||
            result == UnitResultText(UnitResult::Verified)) {
            finished.insert(unit);
        }
    }
    return finished;
}

std::unique_ptr<FleetLogFile> FleetLogFile::Open(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return nullptr;
    std::unique_ptr<FleetLogFile> log(new FleetLogFile(file));
    std::fseek(file, 0, SEEK_END);
    if (std::ftell(file) == 0) {
        const std::string header = FleetLogHeader() + "\n";
        if (std::fputs(header.c_str(), file) < 0 || std::fflush(file) != 0) return nullptr;
    }
    return log;
}

FleetLogFile::~FleetLogFile() {
    std::fclose(file_);
}

bool FleetLogFile::append(const FleetLogRow& row) {
    const std::string line = FleetLogLine(row) + "\n";
    if (std::fputs(line.c_str(), file_) < 0 || std::fflush(file_) != 0) return false;
    // A finished unit must survive a crash or a power cut of the programming PC.
    return ::fsync(::fileno(file_)) == 0;
}

}  // namespace torvik
