// Toolbar icons: the desktop's icon theme first, the style's standard icons next, and small
// icons drawn here for what no theme has (reading from and writing to a radio).
#pragma once

#include <QIcon>

namespace torvik {

enum class ToolIcon {
    New,
    Open,
    Save,
    ReadRadio,
    SerialPort,
    WriteRadio,
    Cut,
    Copy,
    Paste,
    Delete,
    About
};

QIcon ToolbarIcon(ToolIcon icon);

// The application's own icon: a handheld radio.
QIcon ApplicationIcon();

// Without a desktop session Qt knows no icon theme; a theme installed on the system is then
// taken as the fallback.
void PrepareIconTheme();

}  // namespace torvik
