#include "Aide.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace plio::installation {

bool EcritAide(const QString& guideMarkdown, const QString& fichierPdf)
{
    QFile source(guideMarkdown);
    if (!source.open(QIODevice::ReadOnly)) return false;
    QDir().mkpath(QFileInfo(fichierPdf).absolutePath());

    QPdfWriter pdf(fichierPdf);
    pdf.setTitle(QStringLiteral("Plioscope"));
    pdf.setCreator(QStringLiteral("Plioscope"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);

    QTextDocument document;
    document.setDefaultStyleSheet(
        QStringLiteral("h1 { color: #225c3e; } h2 { color: #225c3e; } h3 { color: #5a4a2a; }"));
    QFont police(QStringLiteral("DejaVu Serif"));
    police.setPointSize(10);
    document.setDefaultFont(police);
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    document.print(&pdf);
    return QFileInfo(fichierPdf).size() > 0;
}

} // namespace plio::installation
