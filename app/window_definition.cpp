#include "window_definition.h"

#include <array>

namespace pelorine {
namespace {

using enum ControlKind;
constexpr QRgb kNoColour = 0;

constexpr std::array kControls = {
    ControlDefinition{"图片框1", kPictureBox, nullptr, 424, 248, 104, 48, "",
                      kNoColour},
    ControlDefinition{"标签4", kLabel, "分组框2", 24, 95, 48, 24, "保存位置",
                      qRgb(128, 0, 0)},
    ControlDefinition{"标签3", kLabel, "分组框2", 24, 71, 48, 24, "保存图片",
                      qRgb(255, 128, 0)},
    ControlDefinition{"标签2", kLabel, "分组框2", 24, 48, 48, 24, "裁剪图片",
                      qRgb(0, 0, 255)},
    ControlDefinition{"标签1", kLabel, "分组框2", 24, 24, 48, 24, "选择图片",
                      qRgb(255, 0, 0)},
    ControlDefinition{"分组框2", kGroupBox, nullptr, 424, 104, 104, 136,
                      "图片操作：", kNoColour},
    // The banner's text and colour are the banner's own.
    ControlDefinition{"标签5", kLabel, nullptr, 432, 392, 96, 16, "",
                      qRgb(0, 0, 255)},
    ControlDefinition{"时钟1", kTimer, nullptr, 0, 0, 0, 0, "", kNoColour},
    ControlDefinition{"单选框2", kRadioButton, "分组框1", 16, 16, 80, 32,
                      "原始比例", kNoColour},
    ControlDefinition{"单选框1", kRadioButton, "分组框1", 16, 40, 80, 32,
                      "缩放图片", kNoColour},
    ControlDefinition{"分组框1", kGroupBox, nullptr, 424, 8, 104, 80,
                      "显示方式：", kNoColour},
    ControlDefinition{"通用对话框1", kOpenFileDialog, nullptr, 0, 0, 0, 0, "",
                      kNoColour},
    ControlDefinition{"画板6", kTileCanvas, nullptr, 316, 316, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板7", kTileCanvas, nullptr, 212, 316, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板8", kTileCanvas, nullptr, 108, 316, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板9", kTileCanvas, nullptr, 4, 316, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板5", kTileCanvas, nullptr, 316, 212, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板4", kTileCanvas, nullptr, 212, 212, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板3", kTileCanvas, nullptr, 108, 212, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板2", kTileCanvas, nullptr, 4, 212, 100, 100, "",
                      kNoColour},
    ControlDefinition{"画板1", kSourceCanvas, nullptr, 4, 4, 412, 204, "",
                      kNoColour},
};

}  // namespace

std::span<const ControlDefinition> WindowControls() { return kControls; }

}  // namespace pelorine
