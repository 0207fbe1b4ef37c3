// The help document's place and the update notice: once per run, the release date published on
// the maker's web site is compared with this version's date.
#pragma once

#include "model/Dialogues.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plio {

// Release date of this version, day-month-year.
inline constexpr std::string_view DateVersion = "12-08-2013";

// Shown in French whatever the interface language.
inline constexpr std::string_view MessageMiseAJour
    = "Une nouvelle version de Plioscope est disponible.";

// repertoireAide ends with a separator.
std::string CheminAide(std::string_view repertoireAide);

std::string CheminRelatifMiseAJour();

// The site root ("http://host/path/") followed by the relative path of the published date.
std::string AdresseMiseAJour(std::string_view racineSite);

// Fetches a text by HTTP GET; nullopt on any failure (no network, refused, error status...).
using LecteurTexte = std::function<std::optional<std::string>(const std::string& adresse)>;

// The update notice: runs once per run (miseAJourVerifiee becomes true whatever happens);
// any failure of the request is silent. An empty site root means no site to ask.
void VerifieUpdate(bool& miseAJourVerifiee, std::string_view racineSite, const LecteurTexte& lit,
    Dialogues& dialogues);

} // namespace plio
