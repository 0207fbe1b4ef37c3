// The help document: the user guide, written in Markdown in the repository, set as a PDF.
#pragma once

#include <QString>

namespace plio::installation {

bool EcritAide(const QString& guideMarkdown, const QString& fichierPdf);

} // namespace plio::installation
