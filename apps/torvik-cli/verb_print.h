// The print verb: the programming report of a data file as a PDF. It paints with Qt Gui, so
// it runs its own application object instead of the one the other verbs share.
#pragma once

namespace torvik::cli {

// Runs "torvik-cli print ..." from main()'s arguments and returns the exit status.
int RunPrintProgram(int argc, char** argv);

}  // namespace torvik::cli
