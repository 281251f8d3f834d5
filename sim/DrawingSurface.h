// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ravo {

// A colour as &H00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return r + 256u * g + 65536u * b;
}

inline constexpr Colour backgroundGrey = 0xC0C0C0;
inline constexpr Colour lightGreen = 0xC0FFC0;
inline constexpr Colour green = 0x00FF00;
inline constexpr Colour blue = 0xFF0000;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour white = 0xFFFFFF;

// The display frame: while a run waits, the screen is brought up to date at least this often.
inline constexpr std::chrono::milliseconds displayFrame{16};

// What a run needs from the window: lines and circles in pixels, y downwards, a pen
// width, a yes/no question, a message, and showing a hidden control. A line or circle
// without a colour is drawn in the foreground colour (black).
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void SetScaleToPixels() = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2,
                          std::optional<Colour> colour = std::nullopt) = 0;
    virtual void DrawCircle(float x, float y, float radius,
                            std::optional<Colour> colour = std::nullopt) = 0;
    // Modal question titled with the program's name; true for "Yes".
    virtual bool AskYesNo(std::string_view prompt) = 0;
    virtual void ShowControl(std::string_view controlName) = 0;

    // A modal notice, for input that a run refuses.
    virtual void ShowMessage(std::string_view text) = 0;

    // Puts everything drawn so far on the screen now (before a pause or a question).
    virtual void Flush() {}
    // Called at least once per display frame while a run waits, so the window stays
    // alive. May throw RunStopped when the window is closing.
    virtual void KeepAlive() {}

    // The slow-down's view of the window while it waits. WaitUntil may sleep until the
    // deadline or the next event; a surface that cannot returns false at once and the
    // countdown counts the time itself. HeldTime is how long the run has been held so far,
    // by which the countdown's deadlines move later; while Hurried, the countdown counts
    // its steps without waiting. Each may throw RunStopped.
    virtual bool WaitUntil(std::chrono::steady_clock::time_point) { return false; }
    virtual std::chrono::steady_clock::duration HeldTime() const { return {}; }
    virtual bool Hurried() const { return false; }
};

// Thrown out of a surface call when the window is closing during a run; the run unwinds
// without drawing anything more.
struct RunStopped {};

} // namespace ravo
