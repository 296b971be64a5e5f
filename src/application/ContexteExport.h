#pragma once
// What a workbook says of a test's load: the law and its parameters as the load panel shows them, or
// the application and its parameters as the run screen's parameter panel shows them.

#include "graph/Export.h"

#include <vector>

struct TEnteteEssai;

// For the bench of the settings (power class, mains frequency). The seam of graph/Export.h.
std::vector<LigneContexte> ParametresChargeEssai(const TEnteteEssai& entete, bool estApplication);
