// Renders every window of the program, in both languages, for a 1024 x 768 and a 1920 x 1080
// screen, to PNG files, without a display: anyone can look at the windows this way.
//
// Usage: plioscope-captures <output folder> [installation folder]
// The files are named <width>x<height>_<language>_<form>.png.
#include "app/Demarrage.h"
#include "app/ui/AfficheRepertoire.h"
#include "app/ui/FeedbackMail.h"
#include "app/ui/Fenetre.h"
#include "app/ui/Fenetres.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#ifndef PLIO_INSTALLATION_DIR
#define PLIO_INSTALLATION_DIR "."
#endif

namespace {

void Attend(int ms)
{
    QElapsedTimer chrono;
    chrono.start();
    while (chrono.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <output folder> [installation folder]\n", argv[0]);
        return 2;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(sortie.path());
    const std::string installation = argc == 3 ? argv[2] : PLIO_INSTALLATION_DIR;

    int images = 0;
    for (const QSize ecran : { QSize(1024, 768), QSize(1920, 1080) })
        for (const char* langue : { "french", "anglais" }) {
            // A data folder of its own, whose language file chooses the language.
            QTemporaryDir donnees;
            qputenv("appdata", donnees.path().toLocal8Bit());
            QDir(donnees.path()).mkpath(QStringLiteral("Plioscope/Texte"));
            std::ofstream(
                donnees.filePath(QStringLiteral("Plioscope/Texte/langue.txt")).toStdString())
                << langue << '\n';

            plio::DialoguesScriptes dialogues;
            plio::Contexte contexte(dialogues);
            const auto fenetres = plio::Demarre(contexte, ecran, installation);
            // The chooser is shown on the competition folder holding one competition file.
            std::ofstream(contexte.reps.RepertoireFichiers + "/Club_Exemple.pbn") << "% PBN 2.1\n";
            fenetres->Form5->Prepare(contexte.reps.RepertoireFichiers, true);
            fenetres->Form5->SelectionneFichier(QStringLiteral("Club_Exemple.pbn"));
            Attend(300); // the folder tree is read in the background
            // The feedback window as after a sending.
            fenetres->Form7->Label1->setText(
                QString::fromUtf8(std::string_view(langue) == "french" ? "Le fichier a été envoyé"
                                                                       : "The file has been sent"));
            for (plio::Fenetre* fenetre : fenetres->Toutes()) {
                const QString nom = QStringLiteral("%1x%2_%3_%4.png")
                                        .arg(ecran.width())
                                        .arg(ecran.height())
                                        .arg(QString::fromLatin1(langue), fenetre->objectName());
                if (!fenetre->grab().save(sortie.filePath(nom))) {
                    std::fprintf(stderr, "could not write %s\n", qPrintable(nom));
                    return 1;
                }
                ++images;
            }
        }
    std::printf("%d windows rendered into %s\n", images, qPrintable(sortie.path()));
    return 0;
}
