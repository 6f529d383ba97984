#include "interchange/channel_csv_values.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "codeplug/tones.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr std::int64_t kTenHzPerMhz = 100000;
constexpr double kLargestMhz = 10000.0;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The kHz value of a step-list text such as "6.25K".
double StepKhz(std::string_view text) {
    text.remove_suffix(1);
    return ParseDecimal(text).value_or(0.0);
}

}  // namespace

std::optional<std::string> MhzTextOfCode(std::string_view code) {
    if (code.size() != 9) return std::nullopt;
    std::int64_t tenHz = 0;
    for (char c : code) {
        if (c < '0' || c > '9') return std::nullopt;
        tenHz = tenHz * 10 + (c - '0');
    }
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld0", static_cast<long long>(tenHz / kTenHzPerMhz),
                  static_cast<long long>(tenHz % kTenHzPerMhz));
    return std::string(text);
}

std::optional<std::int64_t> TenHzOfMhzText(std::string_view text) {
    const std::optional<double> mhz = ParseDecimal(text);
    if (!mhz || !std::isfinite(*mhz) || *mhz < 0 || *mhz >= kLargestMhz) return std::nullopt;
    return std::llround(*mhz * static_cast<double>(kTenHzPerMhz));
}

std::string CodeOfTenHz(std::int64_t tenHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%09lld", static_cast<long long>(tenHz));
    return text;
}

std::string CtcssCsvText(int index) {
    if (index < 0 || index >= kCtcssCount) index = 0;
    return std::string(CtcssTable[static_cast<std::size_t>(index)]);
}

std::optional<int> CtcssIndexOfText(std::string_view text) {
    const std::optional<double> hz = ParseDecimal(text);
    if (!hz) return std::nullopt;
    for (int i = 0; i < kCtcssCount; ++i) {
        const double tone = ParseDecimal(CtcssTable[static_cast<std::size_t>(i)]).value_or(0.0);
        if (std::fabs(tone - *hz) < 0.05) return i;
    }
    return std::nullopt;
}

std::string DcsCsvText(int code) {
    // DcsText gives "D023N"; the CSV holds the digits only.
    return DcsText(code, false).substr(1, 3);
}

std::optional<int> DcsCodeOfText(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 3) return std::nullopt;
    int code = 0;
    for (char c : text) {
        if (c < '0' || c > '7') return std::nullopt;
        code = code * 8 + (c - '0');
    }
    return code;
}

std::string PowerCsvText(int txPower) {
    if (txPower < 0 || txPower >= static_cast<int>(kPowerLevelWatts.size())) {
        txPower = static_cast<int>(kPowerLevelWatts.size()) - 1;
    }
    const double watts = kPowerLevelWatts[static_cast<std::size_t>(txPower)];
    char text[32];
    if (watts >= 10) {
        std::snprintf(text, sizeof text, "%.0fW", watts);
    } else {
        std::snprintf(text, sizeof text, "%.1fW", watts);
    }
    return text;
}

std::optional<int> PowerLevelOfText(std::string_view text) {
    text = Trim(text);
    if (text.size() < 2 || text.back() != 'W') return std::nullopt;
    text.remove_suffix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const std::optional<double> watts = ParseDecimal(text);
    if (!watts || !std::isfinite(*watts)) return std::nullopt;
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t level = 0; level < kPowerLevelWatts.size(); ++level) {
        const double distance = std::fabs(kPowerLevelWatts[level] - *watts);
        // The levels run from high to low power, so a tie goes to the later one.
        if (distance <= bestDistance) {
            best = static_cast<int>(level);
            bestDistance = distance;
        }
    }
    return best;
}

std::string StepCsvText(int step, int bandCode) {
    const std::vector<std::string_view> steps = StepList(bandCode);
    if (step < 0 || step >= static_cast<int>(steps.size())) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", StepKhz(steps[static_cast<std::size_t>(step)]));
    return text;
}

std::optional<int> StepOfText(std::string_view text, int bandCode, bool& exact) {
    const std::optional<double> khz = ParseDecimal(text);
    if (!khz || !std::isfinite(*khz)) return std::nullopt;
    const std::vector<std::string_view> steps = StepList(bandCode);
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const double distance = std::fabs(StepKhz(steps[i]) - *khz);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    exact = bestDistance < 0.005;
    return best;
}

}  // namespace torvik
