// The verbs of torvik-cli; each takes its arguments with the verb name first and returns
// the exit status.
#pragma once

#include <QStringList>

namespace torvik::cli {

int RunNew(const QStringList& arguments);
int RunEncode(const QStringList& arguments);
int RunDecode(const QStringList& arguments);
int RunShow(const QStringList& arguments);
int RunRead(const QStringList& arguments);
int RunWrite(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunImport(const QStringList& arguments);
int RunBands(const QStringList& arguments);
int RunPorts(const QStringList& arguments);
int RunDiff(const QStringList& arguments);
// "fleet roster" (and the fleet verbs to come).
int RunFleet(const QStringList& arguments);

}  // namespace torvik::cli
