// The twelve PNG files stored in the library for the built-in explorer-bar skins:
// three colour sets of a panel border, a group-header border and two header arrows.
#pragma once

#include <cstdint>
#include <span>

namespace kelvra {

// Set A serves the plain and ":blue" looks, set B ":silver", set C ":black" and ":grey".
enum class StoredSkinImage : uint8_t {
  SetAPanelBorder, SetAHeaderBorder, SetAExpandArrow, SetACollapseArrow,
  SetBPanelBorder, SetBHeaderBorder, SetBExpandArrow, SetBCollapseArrow,
  SetCPanelBorder, SetCHeaderBorder, SetCExpandArrow, SetCCollapseArrow,
  Count
};

// The stored PNG file of an image; empty for Count.
std::span<const uint8_t> StoredSkinPng(StoredSkinImage image);

}  // namespace kelvra
