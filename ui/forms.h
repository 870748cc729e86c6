// Builders of the main window's containers. Every control gets its own name as
// object name; the window finds them by that name.
#pragma once

class QGroupBox;
class QWidget;

namespace veltar {

// "General Input": the c-factor tab, loading condition, material, project and identification.
QGroupBox* BuildGeneralInput(QWidget* parent);

// "Geometry & Stresses": geometry, stresses, check mode, error frame and the figure
// frame around `figure` (the panel figure widget). The frames are placed by the window.
QGroupBox* BuildGeometryStresses(QWidget* parent, QWidget* figure);

// "Result" with the result list.
QGroupBox* BuildResult(QWidget* parent);

}  // namespace veltar
