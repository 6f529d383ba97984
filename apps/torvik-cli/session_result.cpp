#include "session_result.h"

#include "stop_signals.h"

namespace torvik::cli {
namespace {

QString PasswordText(PasswordProblem problem) {
    switch (problem) {
        case PasswordProblem::NoTerminal:
            return "the radio asks for its password and there is no terminal to type it; "
                   "--password gives it";
        case PasswordProblem::NotTyped:
            return "the radio asks for its password and none was typed";
        case PasswordProblem::GivenWrong:
            return "the password given with --password is not the radio's";
        case PasswordProblem::TypedWrong:
            return "the password typed is not the radio's";
        case PasswordProblem::None:
            break;
    }
    return {};
}

}  // namespace

int SessionFailed(const SessionResult& result, const TerminalReporter& reporter,
                  const QString& what) {
    if (result.end == SessionEnd::Cancelled) {
        Fail(what + " was cancelled");
        return kStopped;
    }
    const QString port = QString::fromStdString(result.port);
    switch (result.trouble) {
        case SessionTrouble::Unanswerable:
            return Fail(QString::fromStdString(*reporter.unanswerableQuestion()) +
                        " (no terminal to answer it; --yes answers yes)");
        case SessionTrouble::Declined:
            return Fail(what + " was cancelled");
        case SessionTrouble::PortUnusable:
            Fail(what + " failed: " + port +
                 (result.radioAnswered ? " stopped working" : " cannot be opened"));
            PrintReason(reporter.lastErrorDetail());
            return kFailure;
        case SessionTrouble::NoAnswer:
            return Fail(what + " failed: no answer from the radio on " + port);
        case SessionTrouble::Password:
            return Fail(what + " failed: " + PasswordText(result.password));
        case SessionTrouble::Other:
            break;
    }
    return FailWithError(reporter, what + " failed");
}

}  // namespace torvik::cli
