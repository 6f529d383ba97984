// What the radio link needs from the program around it besides the serial port and the
// timer: the progress window, the questions asked while a connection runs (Retry/Cancel and
// the password), the port candidates and settings file of the search, and the bookkeeping
// after a connection. The GUI implements it with its windows, the command-line tool on the
// terminal, the tests with a recorder. Messages and the questions before a connection starts
// go through Reporter instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "link/link_state.h"
#include "link/port_settings.h"

namespace torvik {

// Where the answer to a question of a running connection goes; the engine implements it.
// While a question is open the connection sends nothing and its wait timer is stopped, so the
// person can take as long as they like; an answer that comes when no question is open (after
// a cancel, say) is ignored.
class LinkAnswers {
  public:
    virtual ~LinkAnswers() = default;
    virtual void answerRetry(bool retry) = 0;
    // The typed text on OK, nothing on Cancel.
    virtual void answerPassword(std::optional<std::string> typed) = 0;
};

class LinkHost {
  public:
    virtual ~LinkHost() = default;

    // First step of a read: when the codeplug has unsaved changes, ask whether to save it
    // (the language text kSaveFirstMessageKey of section kMessageSection, Yes/No/Cancel) and
    // save on Yes. Whatever the answer, the read goes on.
    virtual void offerSaveBeforeRead() = 0;

    // The progress window of a read or write, with its caption, the bar at 0 and "0%". It
    // must not block: the engine sends the first frame right after this returns. It stays
    // modal to the main window until closeProgress().
    virtual void openProgress(std::string_view caption) = 0;
    virtual void setProgressCaption(std::string_view caption) = 0;
    // Bar and label to `percent` (0..100), shown as "37%".
    virtual void setProgressValue(int percent) = 0;
    virtual void closeProgress() = 0;

    // Questions of a running connection. They must not block: the host shows the question,
    // returns, and later (never from inside this call) gives the answer to `answers`.
    // Retry/Cancel with `text` (the radio does not answer):
    virtual void askRetry(std::string_view text, LinkAnswers& answers) = 0;
    // The password dialog, opened with `current` in its box:
    virtual void askPassword(std::string_view current, LinkAnswers& answers) = 0;
    // The open question is void (the connection was cancelled or its port failed): close it
    // without answering.
    virtual void withdrawQuestion() = 0;

    // The ports the settings search tries, in order: 1..16 when ports are offered by number
    // (FixedSearchPorts()), else the present ports in the port map's order.
    virtual std::vector<PortId> searchCandidates() = 0;
    // Keeps the settings the search chose ("comPort", "Handshaking", "StopBit").
    virtual void savePortSettings(const PortSettings& settings) = 0;

    // A radio's identity may have switched features on: show the 5-Tone, 2-Tone and DTMF
    // menus exactly for the flags that are on and rebuild the tree.
    virtual void featuresChanged(const FeatureFlags& flags) = 0;

    // A read succeeded: the codeplug holds the radio's band and the decoded image. Make it
    // an untitled "new.dat", take the snapshot and redraw. The engine then shows text 2004.
    virtual void readCompleted() = 0;
    // An information read succeeded: image bytes 0x0010..0x00FF of the codeplug are the
    // radio's. Decode the radio information and show its window.
    virtual void infoReadCompleted() = 0;

    // The connection started by a Begin call that returned true is over; the engine is idle,
    // its port closed, and every message has been shown.
    virtual void sessionFinished(LinkMode mode, SessionEnd end) = 0;
};

}  // namespace torvik
