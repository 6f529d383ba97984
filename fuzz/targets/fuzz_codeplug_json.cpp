// The codeplug JSON importer: a document that reads becomes a codeplug and is written out as
// JSON again.
#include "fuzz_targets.h"
#include "storage/snapshot.h"
#include "textform/codeplug_json.h"

namespace torvik::fuzz {

int FuzzCodeplugJson(const std::uint8_t* data, std::size_t size) {
    JsonFieldError error;
    const std::optional<CodeplugJsonContent> content = CodeplugFromJsonText(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), error);
    if (!content) return 0;
    Codeplug& codeplug = BlankCodeplug();
    codeplug.snapshot.record = content->record;
    codeplug.snapshot.channels = content->channels;
    RestoreSnapshot(codeplug);
    (void)CodeplugToJson(codeplug);
    return 0;
}

}  // namespace torvik::fuzz
