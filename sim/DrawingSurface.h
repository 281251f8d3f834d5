// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ravo {

// What a line or circle of a run is: the surface gives every role its colour (the design's
// palette is the picture as it has always looked; another palette only recolours it).
enum class Role : std::uint8_t {
    Erase,       // painting over in the window's background
    Axis,        // the optical axis
    Glass,       // the rows of glass inside the lens
    LensOutline, // the circle of the curved face
    Blade,       // the aperture blades
    Ray,         // incoming rays, and the ray of each path up to the lens face
    Arrow,       // a path's arrow at its detector point
    BaseLine,    // the base lines of the spirals and of the marks
    Spiral,      // a segment of a Cornu spiral
    Resultant,   // the sum of a spiral's arrows
    MarkRed,     // a probability mark in red light
    MarkGreen,   // ... in green light
    MarkBlue,    // ... in blue light
    WhiteSample, // the white arrows at the sample points
};

inline constexpr std::size_t roleCount = std::size_t(Role::WhiteSample) + 1;

// The colour of the light, named for its mark.
enum class Light : std::uint8_t { Red, Green, Blue };

constexpr Role markRole(Light light) {
    switch (light) {
    case Light::Red:
        return Role::MarkRed;
    case Light::Green:
        return Role::MarkGreen;
    case Light::Blue:
        break;
    }
    return Role::MarkBlue;
}

// The three caption boxes that the end of a run shows, by the names of their text boxes.
inline constexpr std::array<std::string_view, 3> captionBoxes{
    "nPravděpodobnost", "nSoučetRadiusvektorů", "nClonaOtvor"};

// What a run draws on: lines and circles in pixels, y downwards, each with its role, a pen
// width, and showing a hidden control. A run asks its question and waits for its pauses
// through its sequence (RunSequence), not through the surface.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void SetScaleToPixels() = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, Role role) = 0;
    virtual void DrawCircle(float x, float y, float radius, Role role) = 0;
    virtual void ShowControl(std::string_view controlName) = 0;
};

// A surface that draws nothing: for a run whose records alone are wanted.
class NoDrawing : public DrawingSurface {
public:
    void SetScaleToPixels() override {}
    void SetPenWidth(int) override {}
    void DrawLine(float, float, float, float, Role) override {}
    void DrawCircle(float, float, float, Role) override {}
    void ShowControl(std::string_view) override {}
};

} // namespace ravo
