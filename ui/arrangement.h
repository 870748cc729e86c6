// Places the main window's containers in proportion to its inner size.
#pragma once

class QWidget;

namespace veltar {

// `canvas` is the window's inner area holding fr1, fr2 and Result.
void ArrangeContainers(QWidget& canvas);

}  // namespace veltar
