// The channel CSV importer: rows read for a codeplug of one band (first input byte) over an
// empty table, the table rebuilt from them and exported again.
#include "fuzz_targets.h"
#include "interchange/channel_csv.h"

namespace torvik::fuzz {

int FuzzChannelCsv(const std::uint8_t* data, std::size_t size) {
    Band band;
    std::string_view text = AsText(data, size);
    if (!text.empty()) {
        band.setCode(static_cast<std::int16_t>(static_cast<unsigned char>(text[0]) % 16));
        text.remove_prefix(1);
    }
    ChannelTable base;
    const ChannelCsvImport read = ChannelsFromCsv(text, band, base);
    const ChannelTable table = ReplaceMemoryChannels(base, read.channels);
    (void)ChannelsToCsv(table, band);
    return 0;
}

}  // namespace torvik::fuzz
