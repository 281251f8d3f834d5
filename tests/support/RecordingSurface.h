// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"

#include <cmath>
#include <deque>
#include <string>
#include <vector>

namespace ravo::test {

// A surface that keeps every call of a run, for reading the picture back as data. The
// run's question and refusal, which are steps of its sequence, are kept here too by the
// helpers that drive the run (RunHelpers.h).
struct Call {
    enum Kind { ScaleToPixels, PenWidth, Line, Circle, Question, Show, Message };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a line's ends, or a circle's centre and radius
    Role role = Role::Axis;
    int penWidth = 1; // the width in force when the call was made
    std::string text;

    bool operator==(const Call&) const = default;

    static Call of(Kind kind, std::string text = {}) {
        return Call{kind, 0, 0, 0, 0, Role::Axis, 1, std::move(text)};
    }
    static Call line(float x1, float y1, float x2, float y2, Role role, int penWidth) {
        return Call{Line, x1, y1, x2, y2, role, penWidth, {}};
    }
    static Call circle(float x, float y, float radius, Role role, int penWidth) {
        return Call{Circle, x, y, radius, 0, role, penWidth, {}};
    }
};

class RecordingSurface : public DrawingSurface {
public:
    std::vector<Call> calls;
    std::deque<bool> answers; // the answers to the next questions; "No" once they run out
    int penWidth = 1;
    int nonFinite = 0; // coordinates that were NaN or infinite

    void SetScaleToPixels() override { record(Call::of(Call::ScaleToPixels)); }
    void SetPenWidth(int width) override {
        penWidth = width;
        record(Call::of(Call::PenWidth));
    }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override {
        check({x1, y1, x2, y2});
        record(Call::line(x1, y1, x2, y2, role, penWidth));
    }
    void DrawCircle(float x, float y, float radius, Role role) override {
        check({x, y, radius});
        record(Call::circle(x, y, radius, role, penWidth));
    }
    void ShowControl(std::string_view name) override {
        record(Call::of(Call::Show, std::string(name)));
    }
    // The run's question: kept, and answered by the next of `answers`.
    bool ask(std::string_view prompt) {
        record(Call::of(Call::Question, std::string(prompt)));
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void refuse(std::string_view text) { record(Call::of(Call::Message, std::string(text))); }

    std::vector<Call> ofKind(Call::Kind kind) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == kind)
                out.push_back(c);
        return out;
    }
    std::vector<Call> drawings() const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == Call::Line || c.kind == Call::Circle)
                out.push_back(c);
        return out;
    }

private:
    void record(Call call) {
        call.penWidth = penWidth;
        calls.push_back(std::move(call));
    }
    void check(std::initializer_list<float> values) {
        for (float v : values)
            if (!std::isfinite(v))
                ++nonFinite;
    }
};

} // namespace ravo::test
