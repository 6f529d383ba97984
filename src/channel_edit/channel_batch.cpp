#include "channel_edit/channel_batch.h"

#include "channel_edit/channel_edit_rules.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

// Takes the words of the cells from `texts` and keeps quiet about damaged stored values,
// which the list reported when it showed them.
class QuietTexts : public Reporter {
  public:
    explicit QuietTexts(const Reporter& texts) : texts_(texts) {}
    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override { return texts_.langText(key); }
    void show(Severity, std::string_view, std::string_view) override {}
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

  private:
    const Reporter& texts_;
};

}  // namespace

ChannelCells ListRowTexts(const Codeplug& codeplug, int row, const Reporter& texts) {
    const ChannelRecord* channel = codeplug.channels.find(row);
    if (!channel) return {};
    QuietTexts quiet(texts);
    ChannelCells cells = ChannelRowCells(*channel, codeplug.band, quiet, GridRefresh::Full);
    std::string& name = cells[kColumnName];
    name.erase(name.find_last_not_of(' ') + 1);
    return cells;
}

std::string ListCellText(const Codeplug& codeplug, int row, int column, const Reporter& texts) {
    if (column < 0 || column >= kChannelListColumns) return {};
    return ListRowTexts(codeplug, row, texts)[static_cast<std::size_t>(column)];
}

std::string CutToNameLength(std::string_view name) {
    std::size_t end = std::min<std::size_t>(name.size(), kNameBoxes);
    // A UTF-8 continuation byte at the cut belongs to a character that does not fit whole.
    if (end < name.size()) {
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    }
    return std::string(name.substr(0, end));
}

std::optional<RefusedValue> ApplyCellValue(Codeplug& codeplug, const FeatureFlags& features,
                                           int row, int column, const std::string& value,
                                           const Reporter& texts, bool* changed) {
    const ChannelCellEdit edit = EditChannelCell(codeplug, features, row, column, value, texts);
    if (changed) *changed = *changed || edit.changed;
    if (edit.refusal.empty()) return std::nullopt;
    RefusedValue refused{row, column, value, edit.refusal, edit.corrected};
    if (column == kColumnTxFreq && !edit.corrected.empty()) {
        refused.kind = RefusalKind::TransmitOutsideBand;
    } else if (column == kColumnRxFreq && !edit.corrected.empty()) {
        // A receive frequency inside the band was refused for the transmit frequency it
        // took along.
        const BandLimits& limits = codeplug.band.limits();
        const std::optional<double> rx = ParseDecimal(value);
        const bool inside = rx && *rx >= limits.RxLow && *rx <= limits.RxHigh;
        refused.kind = inside ? RefusalKind::TransmitOutsideBand : RefusalKind::ReceiveOutsideBand;
    }
    return refused;
}

}  // namespace torvik
