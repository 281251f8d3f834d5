// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "LineMemory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ravo::web {

// The run's surface in the browser. Each line and circle becomes one record of seven floats
// (kind, role, pen width and four coordinates, in design pixels); the records are handed to
// the page's canvas in batches, which draws each in the colour of its role in the palette
// shown (Colours::design() or Colours::projector()). A batch goes when it is full and
// whenever the page is to show the picture (present), so the canvas always gets the
// drawings in the order they were made.
// A horizontal or vertical line that stands in the picture as drawn (LineMemory) is left
// out, as the window's surface leaves it out; that changes no pixel.
class CanvasSurface : public DrawingSurface {
public:
    static constexpr std::size_t recordFloats = 7;
    static constexpr std::size_t batchRecords = 16384;
    enum Kind { Line = 0, Circle = 1 };
    // Which canvas of the page draws the batches: the picture shown, or the one in which
    // the page draws the picture anew at another size while the shown one stands in for it.
    enum Target { Shown = 0, Renewed = 1 };

    explicit CanvasSurface(Target target = Shown) : target_(target) {}

    void SetScaleToPixels() override {}
    void SetPenWidth(int width) override { penWidth_ = width; }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override;
    void DrawCircle(float x, float y, float radius, Role role) override;
    void ShowControl(std::string_view controlName) override;

    int penWidth() const { return penWidth_; }
    // Hands every drawing not yet handed over to the canvas.
    void present();
    // Drawings handed to the canvas so far, for the page's state, and lines left out.
    long drawn() const { return drawn_; }
    long leftOut() const { return leftOut_; }

    // The colour each role has in the palette shown, as any number that is the same for the
    // same colour: which lines cover the same pixels in either order.
    void setColours(const std::array<std::uint32_t, roleCount>& colours);
    // The canvas was painted anew, or by someone else: no line is known to stand as drawn.
    void forget();

private:
    void add(Kind kind, Role role, float a, float b, float c, float d);
    LineMemory::Box reachOf(float left, float top, float right, float bottom) const;

    Target target_;
    std::vector<float> batch_;
    int penWidth_ = 1;
    long drawn_ = 0;
    long leftOut_ = 0;
    std::array<std::uint32_t, roleCount> colours_{};
    LineMemory lines_; // horizontal and vertical lines known to stand as drawn
};

} // namespace ravo::web
