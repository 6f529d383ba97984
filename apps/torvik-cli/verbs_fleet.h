// What the fleet verbs share: the template and roster of a job, checked together.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

#include "cli_support.h"
#include "fleet/fleet_plan.h"

namespace torvik::cli {

// --unique COLUMN, the roster's own uniqueness rule.
void AddRosterCheckOption(QCommandLineParser& parser);

// Opens the template (the first file argument) and reads the roster (the second), then plans
// every unit. A refused roster's problems are printed, one line each, and a refusal line; the
// plan holds them. Nothing, after saying why, when a file cannot be read.
std::optional<FleetPlan> LoadFleetPlan(const QCommandLineParser& parser, CliContext& context,
                                       Codeplug& templ);

int RunFleetWrite(const QStringList& arguments);

}  // namespace torvik::cli
