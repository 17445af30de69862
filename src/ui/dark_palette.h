#pragma once

#include <QPalette>

// The colours of a dark desktop theme, as the Fusion style shows them: light
// text on dark paper. For pictures and tests of the windows under a dark theme.
QPalette DarkPalette();
