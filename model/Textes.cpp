#include "model/Textes.h"

namespace plio {

std::string Message(int n, std::string_view langue)
{
    if (n < 0 || n >= 80) return {};
    const MessageBilingue& m = TableMessages()[static_cast<std::size_t>(n)];
    return langue == "french" ? m.francais : m.anglais;
}

void ChargeTextes(std::string_view langue)
{
    for (int n = 0; n < 80; ++n) Messages[static_cast<std::size_t>(n)] = Message(n, langue);
}

} // namespace plio
