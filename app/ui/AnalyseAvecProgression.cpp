#include "app/ui/AnalyseAvecProgression.h"

#include "app/ui/Fenetre.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace plio {

namespace {

constexpr Legende TexteAnalyse { "Analyse des donnes en cours...", "Analysing the deals..." };
constexpr Legende TexteArreter { "Arrêter", "Stop" };

} // namespace

bool AnalyseAvecProgression(QWidget* parent, Contexte& contexte, Competition& competition)
{
    if (!contexte.analyseDonnes) return false;
    const int total = competition.Tournoi.NombreDonnes;

    // A large competition takes minutes: the user may stop it between two deals.
    QProgressDialog progression(
        VersQt(TexteAnalyse.Texte()), VersQt(TexteArreter.Texte()), 0, total, parent);
    progression.setWindowModality(Qt::ApplicationModal);
    progression.setMinimumDuration(0);
    progression.setValue(0);

    // The competition belongs to the worker until it ends; the interface only reads the count.
    std::atomic<int> faites { 0 };
    std::atomic<bool> fini { false };
    std::atomic<bool> annulation { false };
    bool complete = false;
    std::thread travail([&] {
        complete = contexte.analyseDonnes(
            competition, [&](int donne) { faites = donne; }, annulation);
        fini = true;
    });

    QEventLoop attente;
    QTimer releve;
    QObject::connect(&releve, &QTimer::timeout, &attente, [&] {
        if (progression.wasCanceled())
            annulation = true;
        else
            progression.setValue(faites.load());
        if (fini) attente.quit();
    });
    releve.start(50);
    attente.exec();
    travail.join();
    progression.reset();
    return complete;
}

} // namespace plio
