#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

namespace plio {
namespace { } // namespace
} // namespace plio
