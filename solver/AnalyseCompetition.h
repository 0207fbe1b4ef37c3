// The analysis of a whole competition, on as many worker threads as asked.
#pragma once

#include "model/VariablesGlobales.h"
#include "solver/SolveurDoubleMort.h"

#include <atomic>
#include <functional>

namespace plio {

// The whole analysis of a deal: the twenty solves, the contract scores, best contracts and par.
void AnalyseUneDonne(SolveurDoubleMort& solveur, board& donne);

// Contract scores of every declarer and strain from the tricks already in the deal.
void RecalculeScoresContrats(board& donne);

enum class IssueAnalyse { Terminee, Annulee, RienAFaire };

struct OptionsAnalyse {
    int Taches = 1; // worker threads, one solver each
    // Called after each deal solved, from the calling thread: deals done, deals in all.
    std::function<void(int, int)> Progression;
    const std::atomic<bool>* Annulation = nullptr; // set to stop between deals
};

// By the file state: "D" and "DF" solve every deal; "DA" and "DFA" only recompute the contract
// scores, the analysis being in the file; "I" does nothing. Results do not depend on the number
// of threads. When cancelled, the deals not yet solved are left as they were.
IssueAnalyse AnalyseCompetition(Competition& competition, const OptionsAnalyse& options = {});

} // namespace plio
