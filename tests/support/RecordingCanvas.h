#pragma once

#include "core/Canvas.h"

#include <string>
#include <vector>

namespace tarvisol::testing {

// A canvas of a given size that logs every call, and measures text as a fixed width per
// byte so tests can predict label positions.
class RecordingCanvas : public Canvas {
public:
    struct Call {
        std::string operation;
        std::vector<float> values;
        std::string text;
    };

    RecordingCanvas(float width, float height, float twipsPerByte = 60)
        : width_(width), height_(height), twipsPerByte_(twipsPerByte) {}

    void clear() override { log("clear"); }
    float scaleWidth() const override { return log("scaleWidth"), width_; }
    float scaleHeight() const override { return log("scaleHeight"), height_; }
    void drawRectangleOutline(float x, float y, float w, float h) override {
        log("rectangle", {x, y, w, h});
    }
    float textWidth(std::string_view text) override {
        log("textWidth", {}, std::string(text));
        return twipsPerByte_ * float(text.size());
    }
    void setTextX(float x) override { log("textX", {x}); }
    void setTextY(float y) override { log("textY", {y}); }
    void printText(std::string_view text) override { log("print", {}, std::string(text)); }

    std::vector<std::string> operations() const {
        std::vector<std::string> names;
        for (const auto& call : calls) {
            names.push_back(call.operation);
        }
        return names;
    }

    // Logged by the const size queries too.
    mutable std::vector<Call> calls;

private:
    void log(std::string op, std::vector<float> values = {}, std::string text = {}) const {
        calls.push_back({std::move(op), std::move(values), std::move(text)});
    }

    float width_;
    float height_;
    float twipsPerByte_;
};

} // namespace tarvisol::testing
