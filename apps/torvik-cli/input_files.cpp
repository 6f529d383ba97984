#include "input_files.h"

#include "codeplug/radio_image.h"
#include "platform/file_io.h"
#include "storage/codeplug_files.h"
#include "storage/file_checks.h"

namespace torvik::cli {

bool OpenDataFile(const QString& path, Codeplug& codeplug, TerminalReporter& reporter) {
    if (OpenCodeplug(path.toStdString(), codeplug, reporter)) return true;
    const FileCheck check = CheckDataFile(path.toStdString());
    if (check.problem == FileProblem::None) {
        // The content is at fault; the reporter holds what is wrong with it.
        FailWithError(reporter, "cannot open " + path);
        return false;
    }
    QString line = "cannot open " + path + ": " + QString::fromStdString(FileProblemText(check));
    if (check.problem == FileProblem::WrongSize && check.size == RadioImage::kSize)
        line += "; it has the size of a radio image, which 'torvik-cli decode' turns into one";
    Fail(line);
    return false;
}

std::optional<std::string> ReadInputFile(const QString& path) {
    const FileCheck check = CheckReadableFile(path.toStdString());
    std::optional<std::string> bytes;
    if (check.problem == FileProblem::None) bytes = ReadWholeFile(path.toStdString());
    if (!bytes) {
        const std::string why = FileProblemText(check);
        Fail("cannot read " + path + (why.empty() ? "" : ": " + QString::fromStdString(why)));
    }
    return bytes;
}

}  // namespace torvik::cli
