#include "app/startup.h"

#include <algorithm>

#include "factory/test_data.h"
#include "storage/new_codeplug.h"

namespace torvik {

std::unique_ptr<AppSession> RunStartup(const StartupOptions& options) {
    auto session = std::make_unique<AppSession>();
    // Numbers are read and written with "." by the program's own routines whatever the
    // locale, so the user's locale is never changed.
    session->home = ResolveAppHome(options.explicitHome);
    session->language = LanguageForLocale(options.localeName);

    const ProfileFile profile = ProfileFile::Load(session->home.setupProfileForRead());
    session->settings = ReadSetupSettings(profile);
    if (const auto& present = options.presentPorts;
        present && std::find(present->begin(), present->end(), session->settings.PortNumber) ==
                       present->end()) {
        session->settings.PortNumber =
            static_cast<std::int16_t>(present->empty() ? 0 : present->front());
    }
    SaveStartupSettings(*session);
    session->settings.isFirstRun = false;

    session->factoryMode = DetermineFactoryMode(session->home.factoryMarker());
    Codeplug& codeplug = session->codeplug;
    codeplug.factoryMode = session->factoryMode;
    NewCodeplug(codeplug, {session->home.initFolder(), session->settings.FactoryFres != 0});
    ResetRadioInfo(codeplug.radioInfo);

    session->texts =
        LanguageTexts::Load(session->home.languageFile(session->language), session->language);
    session->features = ReadFeatureFlags(session->home.featureFile());
    return session;
}

void SaveStartupSettings(const AppSession& session) {
    ProfileFile profile = ProfileFile::Load(session.home.setupProfileForRead());
    WriteStartupValues(profile, session.settings);
    profile.save(session.home.setupProfile());
}

bool SaveFeatureFlags(const AppSession& session) {
    return WriteFeatureFlags(session.home.featureFile(), session.features);
}

}  // namespace torvik
