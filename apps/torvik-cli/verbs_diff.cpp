// torvik-cli diff: what differs between two codeplug files, or between a file and the radio.
// Scripts rely on the exit status: 0 the same, 1 different (one line per difference on
// stdout), 2 an error (a file that cannot be read, a radio that cannot be read).
#include <cstdio>

#include "cli_session.h"
#include "compare/codeplug_diff.h"
#include "input_files.h"
#include "stop_signals.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

constexpr int kDifferent = 1;
constexpr int kDiffError = 2;
constexpr const char* kDiffUsage =
    "Show what differs between two codeplugs: nothing and status 0 when they are the same, "
    "else one line per difference and status 1; status 2 on an error.";

// An error ends the comparison with status 2; a stopped read keeps its 130.
int DiffError(int status) {
    return status == kStopped ? kStopped : kDiffError;
}

}  // namespace

int RunDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser, LinkUse::Codeplug);
    parser.addPositionalArgument("A.dat", "The first codeplug.");
    parser.addPositionalArgument("B.dat",
                                 "The second codeplug; with --device or --port, the radio's.");
    if (!parser.parse(arguments)) return OptionError(parser, arguments.value(0));
    const bool withRadio = parser.isSet("device") || parser.isSet("port");
    const int fileCount = withRadio ? 1 : 2;
    CliContext context;
    if (int done = ParseLinkVerb(parser, arguments, fileCount, kDiffUsage, context); done >= 0) {
        return done == kSuccess ? kSuccess : kDiffError;
    }
    TerminalReporter& reporter = *context.reporter;
    const QStringList paths = parser.positionalArguments();
    VerbFiles files(context.factoryMode);
    for (const QString& path : paths) files.addInput(path, FileKind::DataFile);
    AddTraceOutput(parser, files);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    Codeplug a = FreshCodeplug(context);
    if (!OpenDataFile(paths.at(0), a, reporter)) return kDiffError;
    Codeplug b = FreshCodeplug(context);
    if (withRadio) {
        // The file as the radio would hold it, against what the radio holds.
        std::optional<Codeplug> written = AsWrittenToRadio(a, reporter);
        if (!written) return DiffError(FailWithError(reporter, paths.at(0) + " cannot be written"));
        a = std::move(*written);
        if (const SessionResult result = RunSession(parser, context, b, SessionKind::Read);
            !result.succeeded()) {
            return DiffError(SessionFailed(result, reporter, "reading from the radio"));
        }
        KeepBackup(parser, context, b, BackupWanted::AsSetUp);
    } else if (!OpenDataFile(paths.at(1), b, reporter)) {
        return kDiffError;
    }
    const std::vector<Difference> differences = CompareCodeplugs(a, b, reporter);
    for (const Difference& difference : differences) {
        std::printf("%s\n", DifferenceLine(difference).c_str());
    }
    return differences.empty() ? kSuccess : kDifferent;
}

}  // namespace torvik::cli
