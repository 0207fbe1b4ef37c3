// plioscope-cli check FILE [--json]: what opening the file would give, found on a copy so that
// nothing on disk changes.
#include "cli/CommandeCheck.h"
#include "model/Dialogues.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/FeuilleValide.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using json = nlohmann::ordered_json;
namespace fs = std::filesystem;

const char* NomDuChamp(int champ, bool match)
{
    static const char* const Noms[] = { "", "NS pair", "EW pair", "contract", "declarer", "result",
        "NS score", "EW score", "NS percentage", "EW percentage", "lead" };
    if (match && champ == 8) return "IMP result";
    if (match && champ == 9) return "lead";
    return champ >= 1 && champ <= 10 ? Noms[champ] : "";
}

std::string TexteDuChamp(const plio::ResultsSheet& f, int champ, bool match)
{
    switch (champ) {
    case 1:
        return std::to_string(f.PaireNS);
    case 2:
        return std::to_string(f.PaireEO);
    case 3:
        return f.Contrat;
    case 4:
        return f.Declarant;
    case 5:
        return f.Resultat;
    case 6:
        return std::to_string(f.ScoreNS);
    case 7:
        return std::to_string(f.ScoreEO);
    case 8:
        return f.PourcentNS;
    case 9:
        return match ? f.Entame : f.PourcentEO;
    default:
        return f.Entame;
    }
}

// The first reason the deal's sheets are not valid: the field refused when the file was read,
// else the first field the sheet rules refuse.
json RaisonFeuillesInvalides(
    const plio::Competition& c, const plio::DiagnosticLecture& diagnostic, int b)
{
    const plio::board& donne = c.Donnes[static_cast<std::size_t>(b)];
    const bool match = c.Tournoi.TypeCompetition == "MPQ";
    if (donne.NombreFeuilles < 1) return { { "text", "no result sheet" } };
    for (int i = 1; i <= donne.NombreFeuilles; ++i) {
        plio::OrigineFeuille origine;
        if (static_cast<std::size_t>(b) < diagnostic.feuilles.size()
            && static_cast<std::size_t>(i)
                < diagnostic.feuilles[static_cast<std::size_t>(b)].size())
            origine = diagnostic.feuilles[static_cast<std::size_t>(b)][static_cast<std::size_t>(i)];
        int champ = origine.champInvalide;
        std::string texte = origine.texte;
        if (champ == 0) {
            const auto refuse = plio::ChampInvalide(donne, i, c.Tournoi.TypeCompetition);
            if (!refuse) continue;
            champ = *refuse;
            texte = TexteDuChamp(donne.Feuilles[static_cast<std::size_t>(i)], champ, match);
        }
        return { { "sheet", i }, { "line", origine.ligne }, { "field", champ },
            { "field_name", NomDuChamp(champ, match) }, { "text", texte } };
    }
    return { { "text", "sheets of an incomplete deal are not counted valid" } };
}

json Rapport(const plio::Competition& c, const plio::DiagnosticLecture& diagnostic)
{
    const plio::Ttournoi& t = c.Tournoi;
    json donnes = json::array();
    for (int b = 1; b <= t.NombreDonnes; ++b) {
        const plio::board& d = c.Donnes[static_cast<std::size_t>(b)];
        json donne = { { "deal", b }, { "board", d.NumeroEtui }, { "hands_valid", d.DonneValide },
            { "sheets_valid", d.FeuillesValides } };
        if (!d.FeuillesValides) donne["reason"] = RaisonFeuillesInvalides(c, diagnostic, b);
        donnes.push_back(donne);
    }
    return { { "source", diagnostic.pbnOrdinaire ? "ordinary PBN" : "Plioscope" },
        { "kind", t.TypeCompetition }, { "name", t.NomCompetition }, { "deals", t.NombreDonnes },
        { "tables", t.NombreTables }, { "state", c.EtatFichier }, { "boards", donnes } };
}

std::string Raison(const json& r)
{
    if (!r.contains("sheet")) return r["text"].get<std::string>();
    std::string texte = "sheet " + std::to_string(r["sheet"].get<int>());
    if (r["line"].get<int>() > 0) texte += ", line " + std::to_string(r["line"].get<int>());
    return texte + ", field " + std::to_string(r["field"].get<int>()) + " ("
        + r["field_name"].get<std::string>() + ") \"" + r["text"].get<std::string>() + "\"";
}

void AfficheTexte(const json& r)
{
    std::cout << "File: " << r["file"].get<std::string>() << "\n";
    if (r.value("corrupt", false)) {
        std::cout << r["message"].get<std::string>() << "\nLine: " << r["line"].get<int>() << "\n";
        return;
    }
    std::cout << "Source: " << r["source"].get<std::string>() << " file\n"
              << "Kind: " << r["kind"].get<std::string>()
              << "\nName: " << r["name"].get<std::string>() << "\nDeals: " << r["deals"].get<int>()
              << "\nTables: " << r["tables"].get<int>()
              << "\nState: " << r["state"].get<std::string>() << "\n";
    for (const json& d : r["boards"]) {
        std::cout << "Deal " << d["deal"].get<int>() << " (board " << d["board"].get<int>()
                  << "): hands " << (d["hands_valid"].get<bool>() ? "valid" : "incomplete")
                  << ", sheets ";
        if (d["sheets_valid"].get<bool>())
            std::cout << "valid\n";
        else
            std::cout << "invalid: " << Raison(d["reason"]) << "\n";
    }
}

// A private folder for the copy, removed whatever happens.
class DossierDeTravail {
public:
    DossierDeTravail()
    {
        std::string modele = (fs::temp_directory_path() / "plioscope-check-XXXXXX").string();
        if (::mkdtemp(modele.data())) chemin_ = modele;
    }
    ~DossierDeTravail()
    {
        std::error_code ignore;
        if (!chemin_.empty()) fs::remove_all(chemin_, ignore);
    }
    const fs::path& chemin() const { return chemin_; }

private:
    fs::path chemin_;
};

int Check(const std::string& fichier, bool enJson)
{
    DossierDeTravail dossier;
    std::error_code erreur;
    const fs::path copie = dossier.chemin() / fs::path(fichier).filename();
    if (dossier.chemin().empty() || !fs::is_regular_file(fichier, erreur)
        || !fs::copy_file(fichier, copie, erreur)) {
        std::cerr << "Cannot read " << fichier << "\n";
        return 1;
    }
    plio::Competition competition;
    plio::DialoguesScriptes dialogues;
    const plio::OuvertureFichier ouverture
        = plio::ChargeFichierPBN(competition, copie, dialogues, "anglais");

    json rapport = { { "file", fichier } };
    if (ouverture.resultat.issue == plio::IssueFichier::Corrompue) {
        rapport["corrupt"] = true;
        rapport["message"] = ouverture.resultat.message;
        rapport["line"] = ouverture.resultat.ligne;
    } else if (!ouverture.resultat.reussi()) {
        std::cerr << "Cannot read " << fichier << "\n";
        return 1;
    } else {
        rapport["corrupt"] = false;
        rapport.update(Rapport(competition, ouverture.diagnostic));
    }
    if (enJson)
        std::cout << rapport.dump(2) << "\n";
    else
        AfficheTexte(rapport);
    return rapport["corrupt"].get<bool>() ? 2 : 0;
}

} // namespace

void EnregistreCommandeCheck(CLI::App& app)
{
    auto* commande = app.add_subcommand("check",
        "Read a competition file and report its state (works on a copy: nothing on disk changes). "
        "Exit 0 when read, 2 when the file is corrupted, 1 when it cannot be read.");
    auto fichier = std::make_shared<std::string>();
    auto enJson = std::make_shared<bool>(false);
    commande
        ->add_option(
            "FILE", *fichier, "Competition file (the program's PBN or an ordinary PBN file)")
        ->required();
    commande->add_flag("--json", *enJson, "Print the report as JSON");
    commande->callback([fichier, enJson] {
        const int code = Check(*fichier, *enJson);
        if (code != 0) throw CLI::RuntimeError(code);
    });
}
