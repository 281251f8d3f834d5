// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace ravo::web {

// The run's surface in the browser. Each line and circle becomes one record of seven floats
// (kind, role, pen width and four coordinates, in design pixels); the records are handed to
// the page's canvas in batches, which draws each in the colour of its role in the palette
// shown (Colours::design() or Colours::projector()). A batch goes when it is full and
// whenever the page is to show the picture (present), so the canvas always gets the
// drawings in the order they were made.
class CanvasSurface : public DrawingSurface {
public:
    static constexpr std::size_t recordFloats = 7;
    static constexpr std::size_t batchRecords = 16384;
    enum Kind { Line = 0, Circle = 1 };

    void SetScaleToPixels() override {}
    void SetPenWidth(int width) override { penWidth_ = width; }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override;
    void DrawCircle(float x, float y, float radius, Role role) override;
    void ShowControl(std::string_view controlName) override;

    int penWidth() const { return penWidth_; }
    // Hands every drawing not yet handed over to the canvas.
    void present();
    // Drawings handed to the canvas so far, for the page's state.
    long drawn() const { return drawn_; }

private:
    void add(Kind kind, Role role, float a, float b, float c, float d);

    std::vector<float> batch_;
    int penWidth_ = 1;
    long drawn_ = 0;
};

} // namespace ravo::web
