#pragma once

#include <QRgb>
#include <span>

namespace pelorine {

enum class ControlKind {
  kPictureBox,
  kLabel,
  kGroupBox,
  kTimer,
  kRadioButton,
  kOpenFileDialog,
  kTileCanvas,
  kSourceCanvas,
};

// One control of the main window. Places are relative to the parent's top-left
// corner (a group box's whole rectangle); sizes are outer sizes. Controls
// without a place on screen have zero size.
struct ControlDefinition {
  const char* name;
  ControlKind kind;
  const char* parent;  // nullptr: the main window
  int left;
  int top;
  int width;
  int height;
  const char* text;
  QRgb text_colour;  // labels only
};

// The main window's controls in definition order, which decides the focus at
// start and the focus ring.
std::span<const ControlDefinition> WindowControls();

inline constexpr int kClientWidth = 539;
inline constexpr int kClientHeight = 420;
inline constexpr char kWindowName[] = "MainWindow";

}  // namespace pelorine
