// Contract names by contract code, for display in the interface language and for the file, which
// always uses the English names.
#include "model/Textes.h"

#include <algorithm>

namespace plio {

namespace {

using TableNoms = std::array<std::string, 36>;

// Names 1..35 in one notation, then the same names doubled and redoubled.
std::array<TableNoms, 3> Tables(std::array<std::string_view, 5> strains) {
    std::array<TableNoms, 3> tables;
    for (int code = 1; code <= 35; ++code) {
        const std::size_t c = static_cast<std::size_t>(code);
        tables[0][c] = static_cast<char>('0' + (code - 1) / 5 + 1);
        tables[0][c] += strains[static_cast<std::size_t>((code - 1) % 5)];
        tables[1][c] = tables[0][c] + "X";
        tables[2][c] = tables[1][c] + "X";
    }
    return tables;
}

const std::array<TableNoms, 3>& TablesAnglaises() {
    static const auto tables = Tables({ "C", "D", "H", "S", "NT" });
    return tables;
}

const std::array<TableNoms, 3>& TablesFrancaises() {
    static const auto tables = Tables({ "T", "K", "C", "P", "SA" });
    return tables;
}

std::size_t Rang(int doublement) {
    return static_cast<std::size_t>(std::clamp(doublement, 0, 2));
}

} // namespace

const std::array<std::string, 36>& NomsContrats(int doublement, std::string_view langue) {
    return (langue == "french" ? TablesFrancaises() : TablesAnglaises())[Rang(doublement)];
}

const std::array<std::string, 36>& NomsContratsFichier(int doublement) {
    return TablesAnglaises()[Rang(doublement)];
}

} // namespace plio
