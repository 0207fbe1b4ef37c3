// Builds the installation tree that the program reads beside its executable: pictures of both
// screen sets, card faces, sounds and the help document. Everything is drawn, synthesised or
// typeset here, from the project's own sources.
//
// Usage: plioscope-installation <installation folder> <user guide (Markdown)>
#include "Aide.h"
#include "Cartes.h"
#include "Dessins.h"
#include "Sons.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <installation folder> <user guide .md>\n", argv[0]);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    const QString guide = QString::fromLocal8Bit(argv[2]);
    using namespace plio::installation;
    const struct {
        const char* quoi;
        bool ok;
    } etapes[] = {
        { "pictures", EcritImages(dossier) },
        { "cards", EcritCartes(dossier + "/Cartes") },
        { "sounds", EcritSons(dossier + "/Sons") },
        { "help", EcritAide(guide, dossier + "/Help/AidePs.pdf") },
    };
    int echecs = 0;
    for (const auto& etape : etapes)
        if (!etape.ok) {
            std::fprintf(stderr, "could not write the %s\n", etape.quoi);
            ++echecs;
        }
    return echecs == 0 ? 0 : 1;
}
