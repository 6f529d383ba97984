// The window's commands that work on many channels of the list at once: Fill on the
// selected rows, and Find and Replace over the list.
#pragma once

namespace torvik {

class MainWindow;

// Edit › Fill: asks how to fill the selected rows and commits the fill as one undo step.
void FillSelectedChannels(MainWindow& window);
// Edit › Find and Edit › Replace: the window's one find dialog, shown for finding or for
// replacing names.
void ShowFindDialog(MainWindow& window, bool replacing);

}  // namespace torvik
