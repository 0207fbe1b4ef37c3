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

} // namespace

bool AnalyseAvecProgression(QWidget* parent, Contexte& contexte, Competition& competition)
{
    if (!contexte.analyseDonnes) return false;
    const int total = competition.Tournoi.NombreDonnes;

    QProgressDialog progression(VersQt(TexteAnalyse.Texte()), QString(), 0, total, parent);
    progression.setWindowModality(Qt::ApplicationModal);
    progression.setMinimumDuration(0);
    progression.setValue(0);

    // The competition belongs to the worker until it ends; the interface only reads the count.
    std::atomic<int> faites { 0 };
    std::atomic<bool> fini { false };
    std::thread travail([&] {
        contexte.analyseDonnes(competition, [&](int donne) { faites = donne; });
        fini = true;
    });

    QEventLoop attente;
    QTimer releve;
    QObject::connect(&releve, &QTimer::timeout, &attente, [&] {
        progression.setValue(faites.load());
        if (fini) attente.quit();
    });
    releve.start(50);
    attente.exec();
    travail.join();
    progression.setValue(total);
    return true;
}

} // namespace plio
