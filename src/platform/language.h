// The two user-interface languages.
#pragma once

namespace torvik {

// Numbered as the settings and language files number them.
enum class Language { English = 1, Chinese = 2 };

}  // namespace torvik
