// Qt's own texts (standard buttons such as Yes, No and Retry, the file dialogs) in the
// language of the run, from the translations the system's Qt ships.
#pragma once

#include "platform/language.h"

namespace torvik {

// Installs Qt's Chinese translations for Chinese and removes them for English. Without the
// translation files Qt's English texts stay.
void UseQtTranslations(Language language);

}  // namespace torvik
