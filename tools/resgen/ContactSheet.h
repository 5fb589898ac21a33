// One PNG showing every drawn picture enlarged and labelled, grouped by family.
#pragma once

#include "Registry.h"

#include <QImage>
#include <utility>
#include <vector>

namespace resgen {
QImage drawContactSheet(const std::vector<std::pair<const Picture*, QImage>>& pictures);
} // namespace resgen
