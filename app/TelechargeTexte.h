// One HTTP GET whose body is read as text, with a time limit, for the update notice.
#pragma once

#include <optional>
#include <string>

namespace plio {

// nullopt on any failure: no network, unknown host, refused connection, error status, time-out.
std::optional<std::string> TelechargeTexte(const std::string& adresse, int delaiMs = 5000);

} // namespace plio
