// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"

#include <string_view>

namespace ravo {

// How the picture is shown, beyond what the runs drew: none of it changes a record, and
// with every option off the picture is the design's, pixel for pixel.
struct ViewOptions {
    bool projector = false; // stronger colours (Colours::projector)
    bool shapes = false;    // each light's marks in a shape (or a bar's pattern) of its own
    bool hideMarks = false; // the marks left out, the spirals, fans and resultants kept
    bool legend = false;    // a box that lists the runs shown
    bool operator==(const ViewOptions&) const = default;
};

// The light a mark's role stands for; none for a role that is no mark's.
bool isMarkRole(Role role);

// Passes the runs' drawings to a surface as the view options show them: a mark left out
// while marks are hidden, or drawn in its light's shape (a square for green, a triangle
// for red, the dot for blue; bars dashed for green, dotted for red, whole for blue) made of
// one-pixel lines in the mark's place, covering about the dot's area. Everything else goes
// through unchanged.
class ViewSurface : public DrawingSurface {
public:
    explicit ViewSurface(DrawingSurface& target) : target_(target) {}

    void setOptions(const ViewOptions& options) { options_ = options; }
    const ViewOptions& options() const { return options_; }

    void SetScaleToPixels() override { target_.SetScaleToPixels(); }
    void SetPenWidth(int width) override {
        width_ = width;
        target_.SetPenWidth(width);
    }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override;
    void DrawCircle(float x, float y, float radius, Role role) override;
    void ShowControl(std::string_view controlName) override { target_.ShowControl(controlName); }

private:
    void dot(float x, float y, Role role);
    void bar(float x, float top, float bottom, Role role);
    void row(float left, float right, float y, Role role);

    DrawingSurface& target_;
    ViewOptions options_;
    int width_ = 1;
};

} // namespace ravo
