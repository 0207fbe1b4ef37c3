// The pictures of the windows (buttons, flags, suits, vulnerability, judgements, card backs,
// the title picture), drawn for the 1024 x 768 set and again, 1.4 times larger, for the
// large-screen set.
#pragma once

#include <QString>

namespace plio::installation {

// Writes every picture into "Images_XGA" and "Images_SXGA" below the given folder.
bool EcritImages(const QString& dossierInstallation);

} // namespace plio::installation
