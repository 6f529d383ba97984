// The fleet verbs: programming many radios with one codeplug, each with its own identity.
// `fleet roster` writes the roster of a delivery.
#include <cstdio>

#include "cli_support.h"
#include "fleet/roster_series.h"
#include "platform/file_io.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

constexpr int kMostUnits = 10000;

int RunFleetRoster(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addOption({"units", "How many units (radios) the roster lists.", "N"});
    parser.addOption({"set",
                      "A column whose value counts from unit to unit: the last digits of START "
                      "count up by STEP (default 1), keeping their width. Repeatable.",
                      "COLUMN=START[+STEP]"});
    parser.addPositionalArgument("OUT.csv", "The roster to write.");
    if (auto done = ParseVerb(parser, arguments, 1, "Write the roster of a fleet job.")) {
        return *done;
    }
    bool ok = false;
    const int units = parser.value("units").toInt(&ok);
    if (!parser.isSet("units") || !ok || units < 1 || units > kMostUnits) {
        return UsageError(QString("--units takes a number of units, 1..%1").arg(kMostUnits));
    }
    std::vector<RosterSeries> series;
    for (const QString& set : parser.values("set")) {
        const std::optional<RosterSeries> parsed = ParseRosterSeries(set.toStdString());
        if (!parsed) return UsageError("--set '" + set + "' is not COLUMN=START[+STEP]");
        series.push_back(*parsed);
    }
    const RosterText roster = MakeRoster(units, series);
    if (!roster.refusal.empty()) return UsageError(QString::fromStdString(roster.refusal));
    const QString out = parser.positionalArguments().at(0);
    if (!WriteFileAtomically(out.toStdString(), roster.text)) return Fail("cannot write " + out);
    return kSuccess;
}

}  // namespace

int RunFleet(const QStringList& arguments) {
    const QString what = arguments.value(1);
    QStringList rest = arguments.mid(1);
    if (what == "roster") return RunFleetRoster(rest);
    std::fputs("usage: torvik-cli fleet roster OUT.csv --units N [--set COLUMN=START[+STEP]]...\n",
               what == "--help" || what == "-h" ? stdout : stderr);
    return what == "--help" || what == "-h" ? kSuccess : kUsage;
}

}  // namespace torvik::cli
