#include "ui/window_metrics.h"

namespace tubalyx {

int BaseFontSizeForScreen(int screenWidth) { return screenWidth * 20 / 90 / 17; }

}  // namespace tubalyx
