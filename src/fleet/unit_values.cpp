#include "fleet/unit_values.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>

#include "calling/dtmf/dtmf_form.h"
#include "calling/fivetone/five_tone_form.h"
#include "functions/options/option_rules.h"
#include "textform/codeplug_json.h"

namespace torvik {
namespace {

constexpr std::size_t kFiveToneIdDigits = 5;
constexpr std::size_t kDtmfIdDigits = 3;

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The 5-Tone own ID typed into its box, the box left and OK pressed.
std::string SetFiveToneId(FiveToneSettings& s, std::uint8_t& decodeTime, const std::string& id) {
    if (id.size() != kFiveToneIdDigits || !AllDigits(id)) return "is not 5 digits";
    FiveToneForm form = FiveToneFormOf(s, decodeTime);
    FiveToneCodeRows rows = FiveToneRowsOf(s, form.ownId, {});
    const std::string previous = s.ownId.text();
    form.ownId = id;
    s.ownId = FixedText<6>::Value(id);
    GatherFiveTone(form, rows, s, decodeTime);
    RetargetFiveToneCodes(s, previous);
    form = FiveToneFormOf(s, decodeTime);
    rows = FiveToneRowsOf(s, form.ownId, {});
    GatherFiveTone(form, rows, s, decodeTime);
    return {};
}

// The DTMF ID typed into its box, the box left and OK pressed.
std::string SetDtmfId(DtmfSettings& s, const std::string& id) {
    if (id.empty() || id.size() > kDtmfIdDigits || !AllDigits(id)) return "is not 1 to 3 digits";
    DtmfForm form = DtmfFormOf(s);
    const std::string previous = form.dtmfId;
    form.dtmfId = id;
    RetargetDtmfCodes(form, previous);
    CommitDtmfForm(form, s);
    return {};
}

// The power-on message typed into its seven boxes.
std::string SetMessage(OptionSettings& o, const std::string& text) {
    if (text.size() > kWelcomeBoxes) return "is longer than 7 characters";
    for (const char c : text) {
        if (!IsWelcomeMessageChar(static_cast<unsigned char>(c))) {
            return std::string("holds '") + c + "', which the radio cannot show";
        }
    }
    o.welcomeMessage = WelcomeMessageFromBoxes(text);
    return {};
}

// The power-on password typed into its box, which shows only with the switch on.
std::string SetPassword(OptionSettings& o, const std::string& digits) {
    if (digits.size() > kPasswordDigits) return "is longer than 6 digits";
    for (const char c : digits) {
        if (!IsPasswordChar(static_cast<unsigned char>(c))) return "is not digits only";
    }
    o.powerOnPasswordEnabled = 1;
    o.powerOnPassword = PowerOnPasswordFromText(digits);
    return {};
}

// The JSON value at `path` ("ScanSettings.scanMode", "ChannelTable[3].Name"), set to `text`
// as the field's present value type reads it. The reason when the path names no field.
std::string SetJsonPath(QJsonObject& root, const std::string& path, const std::string& text) {
    static const QRegularExpression step(
        QStringLiteral("^([A-Za-z][A-Za-z0-9]*)(?:\\[(\\d+)\\])?$"));
    const QStringList steps = QString::fromStdString(path).split('.');
    // Walks down, then writes the changed containers back up.
    std::vector<QJsonValue> chain{root};
    std::vector<std::pair<QString, int>> keys;
    for (const QString& s : steps) {
        const QRegularExpressionMatch m = step.match(s);
        if (!m.hasMatch()) return "is not a field path";
        const QJsonValue& here = chain.back();
        if (!here.isObject() || !here.toObject().contains(m.captured(1))) {
            return "names no field";
        }
        QJsonValue next = here.toObject().value(m.captured(1));
        keys.push_back({m.captured(1), -1});
        chain.push_back(next);
        if (!m.captured(2).isEmpty()) {
            const int index = m.captured(2).toInt();
            if (!next.isArray() || index >= next.toArray().size()) return "names no field";
            keys.back().second = index;
            chain.push_back(next.toArray().at(index));
        }
    }
    const QJsonValue& old = chain.back();
    QJsonValue value;
    if (old.isDouble()) {
        bool ok = false;
        const qlonglong number = QString::fromStdString(text).toLongLong(&ok);
        if (!ok) return "'" + text + "' is not a whole number";
        value = QJsonValue(number);
    } else if (old.isString() || (old.isObject() && old.toObject().contains("bytes"))) {
        value = QString::fromStdString(text);
    } else {
        return "is not a single value";
    }
    // Back up the chain: each container takes its changed child.
    for (std::size_t k = keys.size(); k-- > 0;) {
        const auto& [key, index] = keys[k];
        chain.pop_back();
        if (index >= 0) {
            QJsonArray array = chain.back().toArray();
            array[index] = value;
            value = array;
            chain.pop_back();
        }
        QJsonObject object = chain.back().toObject();
        object[key] = value;
        value = object;
    }
    root = value.toObject();
    return {};
}

}  // namespace

std::vector<RosterRefusal> ApplyUnitValues(const RosterUnit& unit, Codeplug& codeplug) {
    std::vector<RosterRefusal> refused;
    Codeplug result = codeplug;
    CodeplugRecord& r = result.record;
    std::vector<const RosterValue*> paths;
    // The identity columns first, as their editors take them; the field paths then go over
    // the result, so a path always has the last word on its field.
    for (const RosterValue& v : unit.values) {
        std::string reason;
        if (v.column == kRosterFiveToneIdColumn) {
            reason = SetFiveToneId(r.fiveTone, r.decodeTime, v.value);
        } else if (v.column == kRosterDtmfIdColumn) {
            reason = SetDtmfId(r.dtmf, v.value);
        } else if (v.column == kRosterMessageColumn) {
            reason = SetMessage(r.options, v.value);
        } else if (v.column == kRosterPasswordColumn) {
            reason = SetPassword(r.options, v.value);
        } else {
            paths.push_back(&v);
        }
        if (!reason.empty()) refused.push_back({unit.line, v.column, reason});
    }
    if (!paths.empty()) {
        QJsonObject json = CodeplugToJson(result);
        for (const RosterValue* v : paths) {
            const std::string reason = SetJsonPath(json, v->column, v->value);
            if (!reason.empty()) refused.push_back({unit.line, v->column, reason});
        }
        JsonFieldError error;
        const std::optional<CodeplugJsonContent> content =
            refused.empty() ? CodeplugFromJson(json, error) : std::nullopt;
        if (content) {
            // The bookkeeping of the last save stays the template's.
            const CodeplugRecord before = result.record;
            result.record = content->record;
            result.record.SavedBandCode = before.SavedBandCode;
            result.record.ChannelCount = before.ChannelCount;
            result.channels = content->channels;
        } else if (refused.empty()) {
            refused.push_back({unit.line, error.path, error.reason});
        }
    }
    if (refused.empty()) codeplug = result;
    return refused;
}

}  // namespace torvik
