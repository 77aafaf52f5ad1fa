#pragma once

#include <QLatin1String>
#include <QString>

namespace quorvel {

// The caption of a check box of the "Preferences" dialog, by settings key.
QString preferenceCaption(QLatin1String key);

// The short "What's this?" text of that check box.
QString preferenceWhatsThis(QLatin1String key);

} // namespace quorvel
