#include "fleet/fleet_port.h"

#include "functions/radioinfo/radio_info_codec.h"
#include "functions/radioinfo/radio_info_text.h"
#include "link/write_check.h"
#include "storage/backups.h"
#include "storage/snapshot.h"

namespace torvik {
namespace {

// How often a silent radio is asked again within one session before the unit fails, as
// `--yes` does on the terminal.
constexpr int kRetriesPerSession = 3;

// A session's message on one line, for the log.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return line;
}

// A unit label as part of a file name.
std::string FileNamePart(const std::string& text) {
    std::string part;
    for (const char c : text) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == '-' || c == '_';
        part += plain ? c : '_';
    }
    return part;
}

}  // namespace

FleetPort::FleetPort(FleetJob& job, std::size_t index, PortId port)
    : job_(job),
      index_(index),
      port_(std::move(port)),
      settings_{port_, job.options_.handshakeMode, job.options_.stopBits} {
    device_ = port_.isDevice() ? port_.devicePath()
                               : job.portMap_.devicePath(port_.number())
                                     .value_or("port " + std::to_string(port_.number()));
    view_.device = device_;
    for (QTimer* timer : {&pollTimer_, &answerTimer_, &nextTimer_}) timer->setSingleShot(true);
    QObject::connect(&pollTimer_, &QTimer::timeout, [this] { identify(); });
    QObject::connect(&answerTimer_, &QTimer::timeout, [this] {
        std::function<void()> answer;
        answer.swap(answer_);
        if (answer) answer();
    });
    QObject::connect(&nextTimer_, &QTimer::timeout, [this] { afterSession(); });
}

FleetPort::~FleetPort() = default;

void FleetPort::start() {
    identifyAttemptsLeft_ = job_.options_.identifyAttempts;
    view_.step = job_.options_.continuous ? FleetStep::Waiting : FleetStep::Identifying;
    identify();
}

void FleetPort::stop() {
    stopRequested_ = true;
    if (session_) {
        // The session ends at its next frame; its end finishes the port.
        withdrawQuestion();
        session_->engine().cancel();
        return;
    }
    if (!view_.finished) {
        pollTimer_.stop();
        finish(FleetStep::Stopped, {});
    }
}

// Sessions.

bool FleetPort::begin(FleetStep step, Codeplug& codeplug) {
    view_.step = step;
    view_.percent = 0;
    changed();
    errors_.clear();
    radioAnswered_ = false;
    passwordRefused_ = false;
    retriesLeft_ = kRetriesPerSession;
    session_ = std::make_unique<QtLinkSession>(
        job_.portMap_, LinkSubject{codeplug, features_, false, settings_, *this, *this},
        trace_.is_open() ? &trace_ : nullptr);
    LinkEngine& engine = session_->engine();
    if (job_.options_.password) engine.setSessionPassword(*job_.options_.password);
    const bool started = step == FleetStep::Writing ? engine.beginWrite()
                         : step == FleetStep::BackingUp || step == FleetStep::Verifying
                             ? engine.beginCheckRead()
                             : engine.beginInfoRead();
    if (!started) {
        lastEnd_ = SessionEnd::Failure;
        nextTimer_.start(0);
    }
    return started;
}

void FleetPort::sessionFinished(LinkMode, SessionEnd end) {
    lastEnd_ = end;
    // The session is still on the stack: the next step starts from the event loop.
    nextTimer_.start(0);
}

void FleetPort::afterSession() {
    session_.reset();
    switch (view_.step) {
        case FleetStep::Waiting:
        case FleetStep::Identifying:
            if (lastEnd_ == SessionEnd::Success) {
                identified();
            } else if (stopRequested_) {
                finish(FleetStep::Stopped, {});
            } else {
                noRadio();
            }
            break;
        case FleetStep::BackingUp:
            backedUp();
            break;
        case FleetStep::Writing:
            written();
            break;
        case FleetStep::Verifying:
            verified();
            break;
        case FleetStep::Done:
        case FleetStep::Failed:
        case FleetStep::Stopped:
            break;
    }
}

// Finding the radio and its unit.

void FleetPort::identify() {
    if (stopRequested_) {
        finish(FleetStep::Stopped, {});
        return;
    }
    identity_ = job_.blank_;
    begin(view_.step == FleetStep::Identifying ? FleetStep::Identifying : FleetStep::Waiting,
          identity_);
}

void FleetPort::noRadio() {
    radioAbsentSinceLastUnit_ = true;
    const std::string why = failureDetail("no answer from a radio on " + device_);
    if (job_.options_.continuous) {
        view_.detail = why;
        waitForRadio();
        return;
    }
    if (--identifyAttemptsLeft_ > 0) {
        pollTimer_.start(job_.options_.pollInterval);
        return;
    }
    ++job_.failures_;
    finish(FleetStep::Failed, why);
}

void FleetPort::waitForRadio() {
    if (!job_.wantsMoreRadios()) {
        finish(FleetStep::Done, {});
        return;
    }
    view_.step = FleetStep::Waiting;
    view_.percent = 0;
    changed();
    pollTimer_.start(job_.options_.pollInterval);
}

void FleetPort::identified() {
    const std::string serial = DisplayRadioInfo(identity_.radioInfo).serialNumber;
    // With --continuous the radio just written may still be on the port: a serial number is
    // taken once per job, a radio without one only after the port was found empty.
    if (job_.options_.continuous &&
        (serial.empty() ? !radioAbsentSinceLastUnit_ : job_.serialSeen(serial))) {
        view_.detail = "waiting for the next radio";
        waitForRadio();
        return;
    }
    view_.serial = serial;
    radioAbsentSinceLastUnit_ = false;
    takeUnit();
}

void FleetPort::takeUnit() {
    const std::optional<int> number =
        port_.isDevice() ? job_.portMap_.numberOf(port_.devicePath()) : port_.number();
    const FleetJob::Claim claim = job_.claim(device_, number, view_.serial);
    unit_ = claim.unit;
    if (!unit_) {
        job_.markSerialSeen(view_.serial);
        if (job_.options_.continuous) {
            view_.detail = claim.refusal;
            waitForRadio();
        } else if (claim.wrongRadio) {
            ++job_.failures_;
            finish(FleetStep::Failed, claim.refusal);
        } else {
            finish(FleetStep::Done, claim.refusal);
        }
        return;
    }
    job_.markSerialSeen(view_.serial);
    view_.unit = unit_->plan.unit.unit;
    view_.detail.clear();
    unitStart_ = std::chrono::steady_clock::now();
    if (job_.options_.traceFolder) {
        const std::filesystem::path trace =
            *job_.options_.traceFolder / (FileTimeStamp(std::chrono::system_clock::now()) + "-" +
                                          FileNamePart(view_.unit) + ".trace");
        trace_.open(trace, std::ios::out | std::ios::trunc);
    }
    if (job_.options_.backupFolder) {
        backup_ = job_.blank_;
        begin(FleetStep::BackingUp, backup_);
    } else {
        backedUp();
    }
}

// The unit's steps.

void FleetPort::backedUp() {
    if (job_.options_.backupFolder) {
        if (lastEnd_ != SessionEnd::Success) {
            endUnit(lastEnd_ == SessionEnd::Cancelled ? UnitResult::Stopped : UnitResult::Failed,
                    "reading the radio for its backup: " + failureDetail("the read failed"));
            return;
        }
        const BackupResult backup =
            SaveBackup(backup_, *job_.options_.backupFolder, 0, std::chrono::system_clock::now());
        if (!backup.file) {
            endUnit(UnitResult::Failed, backup.error + "; nothing was written");
            return;
        }
    }
    if (stopRequested_) {
        endUnit(UnitResult::Stopped, "stopped before writing; nothing was written");
        return;
    }
    outgoing_ = unit_->plan.codeplug;
    written_.reset();
    if (job_.options_.verify) {
        // The image the write sends, kept for the check; encoding is repeatable.
        Codeplug copy = outgoing_;
        written_ = EncodeImage(copy, *this);
    }
    begin(FleetStep::Writing, outgoing_);
}

void FleetPort::written() {
    if (lastEnd_ != SessionEnd::Success) {
        endUnit(lastEnd_ == SessionEnd::Cancelled ? UnitResult::Stopped : UnitResult::Failed,
                "writing: " + failureDetail("the write failed"));
        return;
    }
    if (!job_.options_.verify) {
        endUnit(UnitResult::Written, {});
        return;
    }
    readBack_ = job_.blank_;
    begin(FleetStep::Verifying, readBack_);
}

void FleetPort::verified() {
    if (lastEnd_ != SessionEnd::Success) {
        // Written but not verified: the unit must be written again to be sure of it.
        endUnit(lastEnd_ == SessionEnd::Cancelled ? UnitResult::Stopped : UnitResult::Failed,
                "reading back to verify: " + failureDetail("the read failed"));
        return;
    }
    if (!written_) {
        endUnit(UnitResult::Failed, "the codeplug could not be encoded for the check");
        return;
    }
    const WriteCheck check = CheckWrittenImage(written_->image(), readBack_, *this);
    if (!check.same) {
        endUnit(UnitResult::Failed, "verify failed: " + std::to_string(check.blocks.size()) +
                                        " of the blocks written differ in the radio, in " +
                                        JoinAreas(check.areas));
        return;
    }
    endUnit(UnitResult::Verified, {});
}

void FleetPort::endUnit(UnitResult result, std::string detail) {
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - unitStart_;
    FleetLogRow row;
    row.time = FleetLogTime(std::chrono::system_clock::now());
    row.unit = view_.unit;
    row.device = device_;
    row.serial = view_.serial;
    row.model = identity_.identity.RadioModel;
    row.version = identity_.identity.RadioVersion;
    row.templateDigest = job_.options_.templateDigest;
    row.result = result;
    row.seconds = seconds.count();
    row.detail = detail;
    trace_.close();
    FleetJob::Unit& unit = *unit_;
    unit_ = nullptr;
    view_.seconds = row.seconds;
    job_.unitEnded(unit, row);
    const bool succeeded = result == UnitResult::Written || result == UnitResult::Verified;
    if (result == UnitResult::Stopped || stopRequested_) {
        finish(FleetStep::Stopped, detail);
    } else if (job_.options_.continuous) {
        view_.step = succeeded ? FleetStep::Done : FleetStep::Failed;
        view_.detail = detail;
        changed();
        waitForRadio();
    } else {
        finish(succeeded ? FleetStep::Done : FleetStep::Failed, detail);
    }
}

void FleetPort::finish(FleetStep step, std::string detail) {
    view_.step = step;
    view_.detail = std::move(detail);
    view_.finished = true;
    changed();
    job_.portEnded();
}

void FleetPort::changed() {
    if (unit_) {
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - unitStart_;
        view_.seconds = seconds.count();
    }
    job_.listener_.portChanged(index_, view_);
}

std::string FleetPort::failureDetail(std::string_view fallback) const {
    if (lastEnd_ == SessionEnd::Cancelled) return "stopped";
    if (passwordRefused_) {
        return job_.options_.password ? "the radio's password is not the one given"
                                      : "the radio has a password; give it with --password";
    }
    if (!radioAnswered_ && errors_.empty()) return "no answer from the radio on " + device_;
    std::string joined;
    for (const std::string& error : errors_) {
        if (!joined.empty()) joined += "; ";
        joined += error;
    }
    return joined.empty() ? std::string(fallback) : joined;
}

// Reporter.

void FleetPort::show(Severity severity, std::string_view text, std::string_view) {
    if (severity == Severity::Error || severity == Severity::Warning) {
        errors_.push_back(OneLine(text));
    }
}

void FleetPort::showDetailed(Severity severity, std::string_view text, std::string_view detail) {
    show(severity,
         detail.empty() ? std::string(text) : std::string(text) + ": " + std::string(detail));
}

Answer FleetPort::ask(Severity, std::string_view, Buttons buttons, std::string_view) {
    // The job was confirmed once for every radio; the sessions' own confirmations pass.
    if (stopRequested_) return Answer::Cancel;
    switch (buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::YesNoCancel:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return Answer::Cancel;
    }
    return Answer::Cancel;
}

// LinkHost.

void FleetPort::openProgress(std::string_view) {
    radioAnswered_ = true;
    setProgressValue(0);
}

void FleetPort::setProgressValue(int percent) {
    if (percent == view_.percent) return;
    view_.percent = percent;
    changed();
}

void FleetPort::askRetry(std::string_view, LinkAnswers& answers) {
    const bool retry = !stopRequested_ && retriesLeft_-- > 0;
    answer_ = [&answers, retry] { answers.answerRetry(retry); };
    answerTimer_.start(0);
}

void FleetPort::askPassword(std::string_view, LinkAnswers& answers) {
    // The job's password was offered already: asking again cannot help.
    radioAnswered_ = true;
    passwordRefused_ = true;
    answer_ = [&answers] { answers.answerPassword(std::nullopt); };
    answerTimer_.start(0);
}

void FleetPort::withdrawQuestion() {
    answerTimer_.stop();
    answer_ = nullptr;
}

void FleetPort::readCompleted() {
    radioAnswered_ = true;
    Codeplug& read = view_.step == FleetStep::BackingUp ? backup_ : readBack_;
    AdoptReadCodeplug(read);
}

void FleetPort::infoReadCompleted() {
    radioAnswered_ = true;
    UnpackRadioInfo(identity_.image, identity_.radioInfo);
}

}  // namespace torvik
