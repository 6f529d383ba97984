// torvik-cli: the command-line face of TORVIK CPS, for support engineers and scripts. Every
// verb uses the same core as the application window.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "cli_support.h"
#include "verb_print.h"
#include "verbs.h"

namespace {

constexpr const char* kUsage =
    "usage: torvik-cli <command> [options] [files]\n"
    "\n"
    "commands:\n"
    "  new [--band CODE] OUT.dat         make a new codeplug and save it as a file pair\n"
    "  encode IN.dat OUT.img             the 16384-byte image a write would send\n"
    "  decode IN.img OUT.dat [--band C]  decode an image as a completed read does\n"
    "  show IN.dat [--json]              show a codeplug (as JSON with --json)\n"
    "  read --device PATH OUT.dat        read a radio's codeplug (or --port N)\n"
    "  write IN.dat --device PATH        write a codeplug into a radio (--verify,\n"
    "                                    --backup-first)\n"
    "  info --device PATH                show the radio's embedded information\n"
    "  print IN.dat --pdf OUT.pdf        the programming report as a PDF file\n"
    "  export IN.dat OUT.csv|OUT.json    memory channels as CSV, or the codeplug as JSON\n"
    "  import IN.csv OUT.dat [--base BASE.dat | --band CODE] [--partial]\n"
    "  import IN.json OUT.dat            CSV rows become the memory channels; JSON the codeplug\n"
    "  diff A.dat B.dat                  what differs (exit 0 same, 1 different, 2 error);\n"
    "  diff A.dat --device PATH          against what the radio holds\n"
    "  bands                             list the band codes and their ranges\n"
    "  ports                             list the serial devices and their numbers\n"
    "  fleet roster OUT.csv --units N    the roster of a fleet job (--set COLUMN=START[+STEP])\n"
    "  fleet plan TEMPLATE.dat ROSTER.csv  what each unit of the roster gets (exit 1: refused)\n"
    "  fleet write TEMPLATE.dat ROSTER.csv --device P [--device P]...\n"
    "                                    program many radios at once, each unit its values\n"
    "\n"
    "every command takes --help, all but bands --home DIR (the application folder);\n"
    "radio commands also take --password TEXT and --trace FILE; read, write and diff also\n"
    "--yes (answers their questions), --backup-dir DIR and --no-backup (every read keeps a\n"
    "backup). Ctrl+C stops a radio command (status 130). No command writes over its input.\n"
    "'torvik-cli <command> --help' describes one command; 'torvik-cli --version' the version.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "print") {
        return torvik::cli::RunPrintProgram(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const QString verb = arguments.value(0);
    if (verb == "new") return torvik::cli::RunNew(arguments);
    if (verb == "encode") return torvik::cli::RunEncode(arguments);
    if (verb == "decode") return torvik::cli::RunDecode(arguments);
    if (verb == "show") return torvik::cli::RunShow(arguments);
    if (verb == "read") return torvik::cli::RunRead(arguments);
    if (verb == "write") return torvik::cli::RunWrite(arguments);
    if (verb == "info") return torvik::cli::RunInfo(arguments);
    if (verb == "export") return torvik::cli::RunExport(arguments);
    if (verb == "import") return torvik::cli::RunImport(arguments);
    if (verb == "bands") return torvik::cli::RunBands(arguments);
    if (verb == "ports") return torvik::cli::RunPorts(arguments);
    if (verb == "diff") return torvik::cli::RunDiff(arguments);
    if (verb == "fleet") return torvik::cli::RunFleet(arguments);
    if (verb == "help" || verb == "--help" || verb == "-h") {
        std::fputs(kUsage, stdout);
        return torvik::cli::kSuccess;
    }
    if (verb == "--version" || verb == "-v") {
        std::printf("torvik-cli (TORVIK CPS) %s\n", TORVIK_VERSION);
        return torvik::cli::kSuccess;
    }
    // Nothing to do is a usage error: a script that lost its arguments must not pass.
    if (verb.isEmpty()) {
        std::fputs(kUsage, stderr);
        return torvik::cli::kUsage;
    }
    std::fprintf(stderr, "torvik-cli: unknown command '%s'\n%s", qPrintable(verb), kUsage);
    return torvik::cli::kUsage;
}
