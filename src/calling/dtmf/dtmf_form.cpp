#include "calling/dtmf/dtmf_form.h"

#include "calling/dtmf/dtmf_choices.h"
#include "calling/dtmf/dtmf_text.h"

namespace torvik {
namespace {

// The group value the editor stores for "off": the byte the image holds for it.
constexpr std::int16_t kGroupOffStored = 255;
// Pause list position p > 0 shows the pause time p + kPauseOffset.
constexpr int kPauseOffset = kDtmfMinPauseTime - 1;
// The send-delay lists start at one step.
constexpr int kSendDelayOffset = 1;

// Calls `visit(box, code)` for each code box and the code it shows.
template <class Settings, class Visit>
void ForEachCode(Settings& s, Visit visit) {
    for (int m = 0; m < kDtmfMemoryCodes; ++m) visit(m, s.memoryCodes[static_cast<std::size_t>(m)]);
    visit(kDtmfBeginBox, s.pttIdBeginCode);
    visit(kDtmfEndBox, s.pttIdEndCode);
    visit(kDtmfKillBox, s.remoteKillCode);
    visit(kDtmfStunBox, s.remoteStunCode);
}

std::int16_t Stored(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::size_t DtmfCodeBoxWidth(int box) {
    return box >= kDtmfKillBox ? kShortDtmfCodeWidth : kLongDtmfCodeWidth;
}

DtmfForm DtmfFormOf(const DtmfSettings& settings) {
    DtmfSettings s = settings;
    NormalizeDtmfForEditing(s);
    DtmfForm form;
    ForEachCode(s, [&](int box, const auto& code) {
        form.codes[static_cast<std::size_t>(box)] = ShownCode(code);
    });
    form.ani = s.aniEnabled;
    form.digitDuration = s.digitDuration;
    form.pttIdMode = s.pttIdMode;
    form.dtmfId = s.dtmfId.text();
    form.separator = s.separatorCode - kDtmfSymbolA;
    form.group = s.groupCode - kDtmfGroupOff;
    form.decodeResponse = s.decodeResponse;
    form.firstDigitDelay = s.firstDigitDelay;
    form.preSendDelay = s.preSendDelay - kSendDelayOffset;
    form.resetTime = s.resetTime;
    form.postSendDelay = s.postSendDelay - kSendDelayOffset;
    form.pauseTime = s.pauseTime == 0 ? 0 : s.pauseTime - kPauseOffset;
    form.sideTone = s.sideTone == 1;
    return form;
}

void CommitDtmfForm(const DtmfForm& form, DtmfSettings& s) {
    s.aniEnabled = Stored(form.ani);
    s.digitDuration = Stored(form.digitDuration);
    s.pttIdMode = Stored(form.pttIdMode);
    s.dtmfId = FixedText<3>::Value(NormalizeDtmfId(form.dtmfId));
    s.separatorCode = Stored(form.separator + kDtmfSymbolA);
    if (form.group > 0) {
        s.groupCode = Stored(form.group + kDtmfGroupOff);
    } else if (DtmfSymbolChar(s.groupCode)) {
        s.groupCode = kGroupOffStored;
    }
    s.decodeResponse = Stored(form.decodeResponse);
    s.firstDigitDelay = Stored(form.firstDigitDelay);
    s.preSendDelay = Stored(form.preSendDelay + kSendDelayOffset);
    s.resetTime = Stored(form.resetTime);
    s.postSendDelay = Stored(form.postSendDelay + kSendDelayOffset);
    s.pauseTime = Stored(form.pauseTime == 0 ? 0 : form.pauseTime + kPauseOffset);
    s.sideTone = form.sideTone ? 1 : 0;
    ForEachCode(s, [&](int box, auto& code) {
        StoreShownCode(code, form.codes[static_cast<std::size_t>(box)]);
    });
}

char DtmfFormSeparator(const DtmfForm& form) {
    return DtmfSymbolChar(form.separator + kDtmfSymbolA).value_or('*');
}

bool RetargetDtmfCodes(DtmfForm& form, std::string_view previousId) {
    constexpr std::size_t kIdDigits = decltype(DtmfSettings::dtmfId)::kWidth;
    if (form.dtmfId.size() != kIdDigits || form.dtmfId == previousId) return false;
    const char separator = DtmfFormSeparator(form);
    for (int box = 0; box < kDtmfCallBoxes; ++box) {
        std::string& code = form.codes[static_cast<std::size_t>(box)];
        code = RetargetDtmfIdInCode(code, separator, form.dtmfId);
    }
    return true;
}

void ReseparateDtmfCodes(DtmfForm& form, int separator) {
    form.separator = separator;
    const char symbol = DtmfFormSeparator(form);
    for (int box = 0; box < kDtmfCallBoxes; ++box) {
        std::string& code = form.codes[static_cast<std::size_t>(box)];
        code = ReseparateDtmfCode(code, symbol, form.dtmfId);
    }
}

}  // namespace torvik
