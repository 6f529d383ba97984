#include "storage/codeplug_files.h"

#include <set>
#include <string>
#include <vector>

#include "codeplug/record_bytes.h"
#include "factory/test_data.h"
#include "platform/built_in_texts.h"
#include "platform/profile_file.h"
#include "storage/file_checks.h"
#include "storage/snapshot.h"

namespace torvik {
namespace {

static_assert(SerializedSize<CodeplugRecord> == kDataFileSize);
static_assert(SerializedSize<ChannelRecord> == kChannelFileRecordSize);

std::span<const std::uint8_t> AsBytes(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::string AsString(const std::vector<std::uint8_t>& v) {
    return {v.begin(), v.end()};
}

// "file error." in the reporter's language, with what exactly is wrong beside it.
void FileError(Reporter& reporter, std::string_view detail) {
    reporter.showDetailed(Severity::Error, BuiltInText(TextId::FileError, reporter.language()),
                          detail);
}

}  // namespace

std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile) {
    std::string text = dataFile.string();
    text.resize(text.size() >= 3 ? text.size() - 3 : 0);
    return text + "fre";
}

std::optional<LoadedPair> ReadFilePair(const std::filesystem::path& path) {
    // A save of this pair that died part-way is finished first, so the pair read is whole.
    RecoverInterruptedWrite({path, ChannelFilePath(path)});
    const std::optional<std::string> data = ReadWholeFile(path);
    if (!data) return std::nullopt;
    const std::string channels = ReadWholeFile(ChannelFilePath(path)).value_or(std::string());
    return ParseFilePair(*data, channels);
}

std::optional<LoadedPair> ParseFilePair(std::string_view data, std::string_view channels) {
    if (data.size() < kDataFileSize) return std::nullopt;
    LoadedPair pair;
    pair.record = FromBytes<CodeplugRecord>(AsBytes(data));
    const int count = pair.record.ChannelCount;
    if (count < 0 || count > kChannelSlots) return std::nullopt;

    const std::size_t available = channels.size() / kChannelFileRecordSize;
    const std::size_t read = std::min<std::size_t>(available, static_cast<std::size_t>(count));
    std::set<int> numbers;
    pair.channels.records.fill(NewChannelRecord(0));
    for (std::size_t i = 0; i < read; ++i) {
        const ChannelRecord record = FromBytes<ChannelRecord>(
            AsBytes(channels).subspan(i * kChannelFileRecordSize, kChannelFileRecordSize));
        if (record.Number < 1 || record.Number > kChannelSlots) return std::nullopt;
        if (!numbers.insert(record.Number).second) return std::nullopt;
        pair.channels.records[i] = record;
    }
    pair.channels.ChannelCount = static_cast<std::int16_t>(read);
    pair.record.ChannelCount = pair.channels.ChannelCount;
    pair.channelFileIncomplete = read < static_cast<std::size_t>(count);
    return pair;
}

bool OpenCodeplug(const std::filesystem::path& path, Codeplug& codeplug, Reporter& reporter) {
    std::optional<LoadedPair> pair = ReadFilePair(path);
    // A file of another size is no data file, even when its first bytes happen to parse.
    const FileCheck check = CheckDataFile(path);
    if (check.problem != FileProblem::None) {
        FileError(reporter, FileProblemText(check));
        return false;
    }
    if (!pair) {
        FileError(reporter,
                  "its channel count or a channel number is out of range, or a channel is there "
                  "twice");
        return false;
    }
    TestData testData = codeplug.snapshot.testData;
    if (codeplug.factoryMode) {
        if (const auto companion = CompanionTestDataPath(path)) {
            if (LoadTestDataFile(*companion, testData) == TestDataLoad::Unreadable) {
                FileError(reporter,
                          "its test-data file " + companion->string() + " cannot be read");
                return false;
            }
        }
    }
    codeplug.snapshot.record = pair->record;
    codeplug.snapshot.channels = pair->channels;
    codeplug.snapshot.testData = testData;
    RestoreSnapshot(codeplug);
    codeplug.file.CurrentFile = path;
    codeplug.file.NoFileName = false;
    if (pair->channelFileIncomplete) {
        reporter.show(Severity::Warning,
                      BuiltInText(TextId::ChannelFileIncomplete, reporter.language()));
    }
    return true;
}

bool SaveCodeplug(const std::filesystem::path& path, Codeplug& codeplug, Reporter& reporter) {
    CodeplugRecord record = codeplug.record;
    record.SavedBandCode = codeplug.band.code();
    record.ChannelCount = codeplug.channels.ChannelCount;
    std::string channels;
    for (const ChannelRecord& channel : codeplug.channels.used())
        channels += AsString(ToBytes(channel));

    std::vector<FileContent> files{{path, AsString(ToBytes(record))},
                                   {ChannelFilePath(path), channels}};
    if (codeplug.factoryMode) {
        if (const auto companion = CompanionTestDataPath(path)) {
            files.push_back({*companion, TestDataFileBytes(*companion, codeplug.testData)});
        }
    }
    // All files are complete on disk before any of them replaces its predecessor.
    if (!WriteFilesAtomically(files)) {
        FileError(reporter, {});
        return false;
    }
    TakeSnapshot(codeplug);
    codeplug.file.CurrentFile = path;
    codeplug.file.NoFileName = false;
    return true;
}

}  // namespace torvik
