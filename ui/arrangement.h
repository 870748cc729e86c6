// Places the main window's containers in proportion to its inner size.
#pragma once

#include <QSize>

class QWidget;

namespace veltar {

// `canvas` is the window's inner area holding fr1, fr2 and Result.
void ArrangeContainers(QWidget& canvas);

// The smallest inner area at which every container holds its contents unclipped
// and the result list shows a few rows; it follows the texts the controls hold.
QSize MinimumCanvasSize(QWidget& canvas);

}  // namespace veltar
