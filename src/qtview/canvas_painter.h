#pragma once
#include <QPainter>
#include <vector>

#include "forms/canvas.h"

namespace tubalyx {

// Draws recorded canvas steps with a painter whose device has the given resolution.
void ReplayCanvas(QPainter& painter, const std::vector<TCanvasOp>& ops, int pixelsPerInch);

}  // namespace tubalyx
