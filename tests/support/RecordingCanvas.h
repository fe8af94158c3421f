// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Canvas.h"
#include "core/FieldLayout.h"

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

    // One field as the log shows it: an outline and what the text calls after it did.
    struct Field {
        FieldRectangle rectangle;
        std::string measured;
        float textX = 0;
        float textY = 0;
        std::string printed;
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

    // The fields in the order drawn. The order of the calls within each is operations()'s
    // to check; a text call before any outline starts a field with an empty one.
    std::vector<Field> fields() const {
        std::vector<Field> result;
        for (const auto& call : calls) {
            if (call.operation == "rectangle") {
                const auto& v = call.values;
                result.push_back({{v[0], v[1], v[2], v[3]}, {}, 0, 0, {}});
                continue;
            }
            const bool text = call.operation == "textWidth" || call.operation == "textX" ||
                              call.operation == "textY" || call.operation == "print";
            if (!text) {
                continue;
            }
            if (result.empty()) {
                result.emplace_back();
            }
            Field& field = result.back();
            if (call.operation == "textWidth") {
                field.measured = call.text;
            } else if (call.operation == "textX") {
                field.textX = call.values[0];
            } else if (call.operation == "textY") {
                field.textY = call.values[0];
            } else {
                field.printed = call.text;
            }
        }
        return result;
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
