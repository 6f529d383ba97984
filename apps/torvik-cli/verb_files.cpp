#include "verb_files.h"

#include <filesystem>

#include "cli_support.h"
#include "factory/test_data.h"
#include "storage/codeplug_files.h"

namespace torvik::cli {
namespace {

namespace fs = std::filesystem;

// The path with its links and ".." resolved as far as it exists, for a file not made yet.
fs::path Resolved(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    if (error) resolved = fs::absolute(path, error).lexically_normal();
    return resolved;
}

bool SameFile(const QString& a, const QString& b) {
    const fs::path first = a.toStdString();
    const fs::path second = b.toStdString();
    std::error_code error;
    if (fs::exists(first, error) && fs::exists(second, error)) {
        const bool same = fs::equivalent(first, second, error);
        if (!error) return same;
    }
    return Resolved(first) == Resolved(second);
}

}  // namespace

void VerbFiles::addInput(const QString& path, FileKind kind) {
    for (Part& part : partsOf(path, kind)) inputs_.push_back(std::move(part));
}

void VerbFiles::addOutput(const QString& path, FileKind kind) {
    for (Part& part : partsOf(path, kind)) outputs_.push_back(std::move(part));
}

std::vector<VerbFiles::Part> VerbFiles::partsOf(const QString& path, FileKind kind) const {
    std::vector<Part> parts{{path, path, {}}};
    if (kind != FileKind::DataFile) return parts;
    const fs::path dataFile = path.toStdString();
    parts.push_back(
        {path, QString::fromStdString(ChannelFilePath(dataFile).string()), "the channel file"});
    if (factoryMode_) {
        if (const auto testData = CompanionTestDataPath(dataFile)) {
            parts.push_back(
                {path, QString::fromStdString(testData->string()), "the test-data file"});
        }
    }
    return parts;
}

QString VerbFiles::describe(const Part& part) {
    if (part.role.isEmpty()) return part.file;
    return QString("%1 (%2 of %3)").arg(part.file, part.role, part.given);
}

std::optional<int> VerbFiles::refuseOutputOverInput() const {
    for (const Part& output : outputs_) {
        for (const Part& input : inputs_) {
            if (!SameFile(output.file, input.file)) continue;
            return UsageError(QString("writing %1 would overwrite the input %2; give another "
                                      "output file")
                                  .arg(describe(output), describe(input)));
        }
    }
    return std::nullopt;
}

}  // namespace torvik::cli
