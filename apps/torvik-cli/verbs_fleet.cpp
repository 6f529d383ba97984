// The fleet verbs: programming many radios with one codeplug, each with its own identity.
// `fleet roster` writes the roster of a delivery; `fleet plan` checks it against the template
// and shows what each unit gets; `fleet write` (in verbs_fleet_write.cpp) programs the radios.
#include "verbs_fleet.h"

#include <cstdio>

#include "cli_support.h"
#include "fleet/fleet_plan.h"
#include "fleet/roster_series.h"
#include "platform/file_io.h"
#include "storage/codeplug_files.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

constexpr int kMostUnits = 10000;

}  // namespace

void AddRosterCheckOption(QCommandLineParser& parser) {
    parser.addOption({"unique",
                      "A column whose values must differ between units (FiveToneId and DtmfId "
                      "always must). Repeatable.",
                      "COLUMN"});
}

std::optional<FleetPlan> LoadFleetPlan(const QCommandLineParser& parser, CliContext& context,
                                       Codeplug& templ) {
    const QString templatePath = parser.positionalArguments().at(0);
    const QString rosterPath = parser.positionalArguments().at(1);
    templ = FreshCodeplug(context, kDefaultBandCode);
    if (!OpenCodeplug(templatePath.toStdString(), templ, *context.reporter)) {
        FailWithError(*context.reporter, "cannot open " + templatePath);
        return std::nullopt;
    }
    const std::optional<std::string> text = ReadWholeFile(rosterPath.toStdString());
    if (!text) {
        UsageError("cannot read " + rosterPath);
        return std::nullopt;
    }
    std::vector<std::string> unique;
    for (const QString& column : parser.values("unique")) unique.push_back(column.toStdString());
    FleetPlan plan = PlanFleet(templ, ReadRoster(*text, unique), *context.reporter);
    for (const RosterRefusal& refusal : plan.refused) {
        std::fprintf(stderr, "%s:%s\n", qPrintable(rosterPath), RosterRefusalText(refusal).c_str());
    }
    if (!plan.refused.empty()) {
        Fail(QString("roster refused (%1); no radio is touched")
                 .arg(plan.refused.size() == 1 ? QString("1 problem")
                                               : QString("%1 problems").arg(plan.refused.size())));
    }
    return plan;
}

namespace {

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

int RunFleetPlan(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddRosterCheckOption(parser);
    parser.addPositionalArgument("TEMPLATE.dat", "The codeplug every unit starts from.");
    parser.addPositionalArgument("ROSTER.csv", "One row per unit.");
    if (auto done = ParseVerb(parser, arguments, 2,
                              "Check a roster against the template and show what each unit "
                              "gets: exit 0 sound, 1 refused, 2 usage or file error.")) {
        return *done;
    }
    CliContext context = MakeContext(parser);
    Codeplug templ;
    const std::optional<FleetPlan> plan = LoadFleetPlan(parser, context, templ);
    if (!plan) return kUsage;
    if (!plan->refused.empty()) return kFailure;
    for (const UnitPlan& unit : plan->units) {
        if (unit.changes.empty()) {
            std::printf("%s: the template as it is\n", unit.unit.unit.c_str());
        }
        for (const Difference& change : unit.changes) {
            std::printf("%s: %s\n", unit.unit.unit.c_str(), DifferenceLine(change).c_str());
        }
    }
    return kSuccess;
}

}  // namespace

int RunFleet(const QStringList& arguments) {
    const QString what = arguments.value(1);
    // The parser of a fleet verb sees "fleet roster" as its verb, so that its help and its
    // usage errors name the verb as it is typed.
    const QStringList rest = QStringList{"fleet " + what} + arguments.mid(2);
    if (what == "roster") return RunFleetRoster(rest);
    if (what == "plan") return RunFleetPlan(rest);
    if (what == "write") return RunFleetWrite(rest);
    const bool help = what == "--help" || what == "-h";
    std::fputs(
        "usage: torvik-cli fleet roster OUT.csv --units N [--set COLUMN=START[+STEP]]...\n"
        "       torvik-cli fleet plan TEMPLATE.dat ROSTER.csv [--unique COLUMN]...\n"
        "       torvik-cli fleet write TEMPLATE.dat ROSTER.csv --device P [--device P]... "
        "[options]\n",
        help ? stdout : stderr);
    return help ? kSuccess : kUsage;
}

}  // namespace torvik::cli
