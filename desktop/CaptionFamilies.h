// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tarvisol::desktop {

// The font families the input row's captions prefer, best first: faces that the platform
// ships and that fit the row's fixed controls at the largest size. The first one installed
// is taken; where none is, the application's own font.
QStringList captionFamilies();

} // namespace tarvisol::desktop
