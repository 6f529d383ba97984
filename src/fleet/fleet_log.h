// The log of a fleet job, a CSV a customer can be handed: one row per attempt, appended and
// flushed as each unit ends, so a crash loses no finished unit. `--resume` reads it back to
// skip the units already done.
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace torvik {

enum class UnitResult { Written, Verified, Failed, Stopped };

std::string_view UnitResultText(UnitResult result);  // "written", "verified", ...

struct FleetLogRow {
    std::string time;  // ISO 8601, local time with its offset
    std::string unit;
    std::string device;
    std::string serial;
    std::string model;
    std::string version;
    std::string templateDigest;  // SHA-256 of the template's .dat and .fre, in hex
    UnitResult result = UnitResult::Failed;
    double seconds = 0;
    std::string detail;
};

// "2026-12-11T09:30:05+01:00": the local time of a log row, with its offset from UTC.
std::string FleetLogTime(std::chrono::system_clock::time_point when);

// "Time,Unit,Device,Serial,Model,Version,Template,Result,Seconds,Detail"
std::string FleetLogHeader();
std::string FleetLogLine(const FleetLogRow& row);

// The SHA-256 of the data file's bytes followed by its channel file's, in lower-case hex;
// nothing when either cannot be read.
std::optional<std::string> TemplateDigest(const std::filesystem::path& dataFile);

// The units whose last row in `logText` says written or verified.
std::set<std::string> FinishedUnits(std::string_view logText);

// A log file open for appending; a new or empty file gets the header first.
class FleetLogFile {
  public:
    // Nothing when the file cannot be opened.
    static std::unique_ptr<FleetLogFile> Open(const std::filesystem::path& path);
    ~FleetLogFile();
    FleetLogFile(const FleetLogFile&) = delete;
    FleetLogFile& operator=(const FleetLogFile&) = delete;

    // Appends the row and flushes it to the disk. False when it could not be written.
    bool append(const FleetLogRow& row);

  private:
    explicit FleetLogFile(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

}  // namespace torvik
