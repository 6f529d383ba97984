// What the radio verbs share: the link options (--device, --port, --password, --trace, the
// backup options), one session run to its end on this program's event loop (Ctrl+C or
// SIGTERM stop it), and the backup every completed read leaves.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "aggregate/codeplug.h"
#include "cli_support.h"
#include "link/link_host.h"
#include "session_result.h"
#include "verb_files.h"

namespace torvik::cli {

// What a radio verb does with the radio: a read or write of the codeplug asks before it starts
// (--yes answers) and keeps backups of what it reads; the information read does neither.
enum class LinkUse { Codeplug, Information };

// The options of a radio verb: the port, --password and --trace; for the codeplug also --yes
// and the backup options.
void AddLinkOptions(QCommandLineParser& parser, LinkUse use);

// Parses a radio verb's arguments and makes the context; returns the exit code to end with,
// or -1 to go on.
int ParseLinkVerb(QCommandLineParser& parser, const QStringList& arguments, int files,
                  const char* usage, CliContext& context);

// The port of a device path given on the command line.
PortId DevicePort(const QString& device);

// The serial devices present now with their port numbers; a new adapter's number is kept in
// the set-up, so the application window numbers it the same.
PortMap CurrentPorts(const CliContext& context);

// How a connection starts: the three verbs, and the read that checks a write.
enum class SessionKind { Read, Write, Info, CheckRead };

// Runs one connection to its end. The first session of a run starts the --trace file, the
// ones after it (a backup before a write, the read that verifies it) go on in the same file.
SessionResult RunSession(const QCommandLineParser& parser, CliContext& context, Codeplug& codeplug,
                         SessionKind kind);

// The --trace file, when one is given, as an output of the verb.
void AddTraceOutput(const QCommandLineParser& parser, VerbFiles& files);

// Whether a read keeps a backup as the set-up says (on unless turned off), or always (a
// backup asked for before a write).
enum class BackupWanted { AsSetUp, Always };

// Keeps a codeplug just read from the radio in the backup folder (--backup-dir, else the
// set-up's folder), unless --no-backup or the set-up turned backups off, and says where.
// False, after saying why, when the backup was wanted but could not be written.
bool KeepBackup(const QCommandLineParser& parser, const CliContext& context,
                const Codeplug& codeplug, BackupWanted wanted);

}  // namespace torvik::cli
