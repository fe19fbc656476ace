// The window's fonts: "MS Sans Serif" where it exists, else its nearest
// metric equivalents on this system.
#pragma once

#include <QFont>

#include "view/layout_table.h"

namespace lumiq {

QFont FontFor(FontStyle style);

}  // namespace lumiq
