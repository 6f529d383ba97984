#include "codeplug/freq_code.h"

#include <cmath>

#include "codeplug/byte_fields.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr std::string_view kNotNumeric = "Not IsNumeric";

// The code read as MHz: the first four characters, a point, the rest.
std::optional<double> CodeValue(std::string_view code) {
    if (!IsDecimalDigits(code)) return std::nullopt;
    std::string text(code.substr(0, 4));
    text += '.';
    text += code.size() > 4 ? code.substr(4) : std::string_view("0");
    return ParseDecimal(text);
}

bool IsEmptyCode(std::string_view code) {
    return code.empty() || code == kNoFrequencyCode;
}

long RoundToLong(double value) {
    return std::lround(value);
}

double Snap(double mhz, double low, int bandCode) {
    const long raster = HasFineRaster(bandCode) ? 250 : 500;  // 2.5 or 5 kHz in 10 Hz units
    const long f = RoundToLong(mhz * kTenHzPerMhz);
    const long g = f - RoundToLong(low * kTenHzPerMhz);
    const long a = g % raster;
    const long b = g % 625;                                     // 6.25 kHz
    const long c = g % 2500;                                    // 25 kHz
    const long k = std::lrint(static_cast<double>(c) / 833.0);  // ties to even
    long result = f;
    if (a != 0 && b != 0 && c % 833 != 0) {
        result = f - a;
    } else if (k == 3 && a != 0) {
        // The third 8.33 kHz step (24.99 kHz) is the 25 kHz point. A frequency already on
        // the raster (22.5 kHz on the 2.5 kHz bands rounds to step 3 too) is left alone
        // rather than gaining 10 Hz that the image cannot hold.
        result = f + 1;
    }
    return static_cast<double>(result) / kTenHzPerMhz;
}

double Check(double mhz, double low, double high, Reporter& reporter, double snapped) {
    if (mhz < low || mhz > high) {
        reporter.show(Severity::Warning, reporter.langText(kKeyFrequencyOutOfRange));
        return mhz < low ? low : high;
    }
    return snapped;
}

std::string CheckText(std::string_view text, bool rx, const Band& band, Reporter& reporter) {
    const BandLimits& limits = band.limits();
    const double low = rx ? limits.RxLow : limits.TxLow;
    const std::optional<double> value = ParseDecimal(text);
    if (!value) {
        reporter.show(Severity::Warning, reporter.langText(kKeyFrequencyOutOfRange));
        return FormatFrequency(low);
    }
    return FormatFrequency(rx ? CheckRxFrequency(*value, band, reporter)
                              : CheckTxFrequency(*value, band, reporter));
}

}  // namespace

std::string FormatFrequency(double mhz) {
    return FormatFixed(mhz, 3, 5);
}

std::string FreqTextToCode(std::string_view text) {
    const std::optional<double> value = ParseDecimal(text);
    if (!value) return {};
    if (text.find('.') != std::string_view::npos) {
        return FormatFixed(std::round(*value * kTenHzPerMhz), 9, 0);
    }
    if (text.size() <= 3) return FormatFixed(*value, 4, 0) + "00000";
    return "0" + std::string(text.substr(0, 3));
}

std::string FreqCodeToText(std::string_view code, const BandLimits& limits, Reporter& reporter) {
    if (IsEmptyCode(code)) return {};
    const std::optional<double> value = CodeValue(code);
    if (!value) {
        reporter.show(Severity::Warning, kNotNumeric);
        return FormatFixed(limits.RxLow, 1, 5);
    }
    return FormatFrequency(*value);
}

std::string FreqCodeToPlainText(std::string_view code, Reporter& reporter) {
    if (IsEmptyCode(code)) return "0.00000";
    const std::optional<double> value = CodeValue(code);
    if (!value) {
        reporter.show(Severity::Warning, kNotNumeric);
        return "0.00000";
    }
    return FormatFixed(*value, 1, 5);
}

double SnapRxFrequency(double mhz, const Band& band) {
    return Snap(mhz, band.limits().RxLow, band.code());
}

double SnapTxFrequency(double mhz, const Band& band) {
    return Snap(mhz, band.limits().TxLow, band.code());
}

double CheckRxFrequency(double mhz, const Band& band, Reporter& reporter) {
    return Check(mhz, band.limits().RxLow, band.limits().RxHigh, reporter,
                 SnapRxFrequency(mhz, band));
}

double CheckTxFrequency(double mhz, const Band& band, Reporter& reporter) {
    return Check(mhz, band.limits().TxLow, band.limits().TxHigh, reporter,
                 SnapTxFrequency(mhz, band));
}

std::string CheckRxFrequencyText(std::string_view text, const Band& band, Reporter& reporter) {
    return CheckText(text, true, band, reporter);
}

std::string CheckTxFrequencyText(std::string_view text, const Band& band, Reporter& reporter) {
    return CheckText(text, false, band, reporter);
}

std::string OffsetFromTx(std::string_view offsetText, std::string_view rxText, int shiftDir,
                         const Band& band, Reporter& reporter) {
    const std::optional<double> offset = ParseDecimal(offsetText);
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!offset || !rx) return FormatFrequency(0);
    const double tx =
        CheckTxFrequency(shiftDir == 1 ? *rx - *offset : *rx + *offset, band, reporter);
    return FormatFrequency(std::fabs(tx - *rx));
}

}  // namespace torvik
