// How a radio session ended, and the one line that says why it did not succeed: a question
// nobody could answer or answered no, a port that cannot be opened, a radio that does not
// answer (named with its port), a password that could not be given, or the engine's message.
#pragma once

#include <QString>
#include <string>

#include "cli_link_host.h"
#include "cli_support.h"
#include "link/link_state.h"

namespace torvik::cli {

// Why a session that did not succeed ended, as far as this end can tell.
enum class SessionTrouble {
    Other,         // the engine's own message says it
    Unanswerable,  // a question found no terminal to answer it, and no --yes
    Declined,      // the person at the terminal answered a question no
    PortUnusable,  // the port could not be opened, or failed
    NoAnswer,      // the radio did not answer, or stopped answering and was not retried
    Password,      // the radio has a password that could not be given
};

struct SessionResult {
    SessionEnd end = SessionEnd::Failure;
    SessionTrouble trouble = SessionTrouble::Other;
    // The port used: "port 1 (/dev/ttyS0)", or the device path when it has no number.
    std::string port;
    bool radioAnswered = false;
    PasswordProblem password = PasswordProblem::None;

    bool succeeded() const { return end == SessionEnd::Success; }
};

// Reports a session that did not succeed in one line saying why (and the technical reason
// below it when there is one); returns 130 when it was stopped by a signal, else 1.
int SessionFailed(const SessionResult& result, const TerminalReporter& reporter,
                  const QString& what);

}  // namespace torvik::cli
