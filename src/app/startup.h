// What the program prepares before its first window: the home folder, the language, the
// settings (with the port check and the first-run write-back), the built-in texts, factory
// mode, the feature switches and a first new codeplug. The window and the command-line tool
// both start through here.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "app/app_home.h"
#include "app/language_texts.h"
#include "app/settings.h"

namespace torvik {

struct StartupOptions {
    std::optional<std::filesystem::path> explicitHome;  // --home
    std::string localeName;                             // the user's locale, e.g. "zh_CN.UTF-8"
    // The numbers of the serial ports present now, in the port map's order; the stored port
    // number is checked against them. Nothing: the check is skipped.
    std::optional<std::vector<int>> presentPorts;
};

// Everything the start-up prepares, alive for the whole run.
struct AppSession {
    AppHome home;
    Language language = Language::English;
    LanguageTexts texts;
    SetupSettings settings;
    FeatureFlags features;
    bool factoryMode = false;
    Codeplug codeplug;
};

// Runs the start-up steps in their order. Missing or odd settings give sound defaults; a
// settings file that cannot be written is not an error (the next run reads the defaults
// again).
std::unique_ptr<AppSession> RunStartup(const StartupOptions& options);

// The setup profile as this run writes it back: "IsFirstRun" cleared, "comPort" checked.
void SaveStartupSettings(const AppSession& session);

// At exit: the feature switches are kept for the next run.
bool SaveFeatureFlags(const AppSession& session);

}  // namespace torvik
