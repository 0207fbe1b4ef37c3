// What the ranking, route sheet and quality commands share: the file argument, the language and
// output options, and reading an analysed competition without touching the file.
#pragma once

#include "model/VariablesGlobales.h"

#include <CLI/CLI.hpp>

#include <string>

struct OptionsTableaux {
    std::string fichier;
    std::string langue; // "fr", "en", or empty for the language file's
    bool json = false;
};

void AjouteOptionsTableaux(CLI::App& commande, OptionsTableaux& options);

// "french" or "anglais": the option's, else the language file's, else French.
std::string LangueDeLaCommande(const OptionsTableaux& options);

// Reads the competition in the given language and analyses its deals in memory when the file
// holds no analysis. Only a file whose deals are complete and whose sheets are valid has a
// ranking, route sheets and quality figures: any other file is refused with the program's
// message and exit code 2.
plio::Competition ChargeCompetitionAnalysee(
    const OptionsTableaux& options, const std::string& langue);
