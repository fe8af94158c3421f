// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTables.h"
#include "core/FieldLayout.h"
#include "core/Zeichnen.h"
#include "desktop/WarningSound.h"
#include "ui/Form1.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

using tarvisol::ui::Form1;

// The drawing never sounds; the window needs a warning sound all the same.
class NoSound : public tarvisol::desktop::WarningSound {
public:
    void play() override {}
};

constexpr int entries = 999;
constexpr float twipsPerPixel = 15; // 96 logical dpi, as offscreen reports

QImage initialSizeImage(const QWidget& window) {
    QImage image(window.size() * window.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(window.devicePixelRatioF());
    image.fill(window.palette().color(QPalette::Window));
    return image;
}

// The tool's own path: Zeichnen lays out and records the fields through the canvas, then the
// window paints them onto an image of its initial size.
void BM_Zeichnen999(benchmark::State& state) {
    NoSound sound;
    Form1 form(sound);
    form.Liste = benchTable(entries);
    QImage image = initialSizeImage(form);
    for (auto _ : state) {
        form.Zeichnen();
        QPainter painter(&image);
        form.paintDrawing(painter);
    }
}
// Single drawings vary by a fifth on these machines; the ratio of the two medians settles
// only over some thirty interleaved repetitions.
constexpr int drawingRepetitions = 30;
BENCHMARK(BM_Zeichnen999)->Unit(benchmark::kMillisecond)->Repetitions(drawingRepetitions);

// The floor: the same rectangles and labels drawn with QPainter directly, each label's width
// measured as it goes, as any Qt program drawing this picture must at least do.
void BM_PlainQPainter999(benchmark::State& state) {
    NoSound sound;
    Form1 form(sound);
    auto table = benchTable(entries);
    FieldListCanvas fields;
    tarvisol::Zeichnen(table, fields, ".");
    const tarvisol::FieldLayout layout(table, initialAreaWidth, initialAreaHeight);
    QVector<QRectF> rectangles;
    QStringList labels;
    for (std::size_t i = 0; i < fields.rectangles.size(); ++i) {
        const auto& r = fields.rectangles[i];
        rectangles.append(QRectF(r.x / twipsPerPixel, r.y / twipsPerPixel, r.width / twipsPerPixel,
                                 r.height / twipsPerPixel));
        labels.append(QString::fromStdString(fields.labels[i]));
    }
    QImage image = initialSizeImage(form);
    const QFont font = form.font();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        for (qsizetype i = 0; i < rectangles.size(); ++i) {
            painter.drawRect(rectangles[i]);
            const double width = metrics.horizontalAdvance(labels[i]);
            painter.drawText(QPointF(layout.centreX() / twipsPerPixel - width / 2,
                                     rectangles[i].top() + metrics.ascent()),
                             labels[i]);
        }
    }
}
BENCHMARK(BM_PlainQPainter999)->Unit(benchmark::kMillisecond)->Repetitions(drawingRepetitions);

// A click at 999 entries as the user makes it: the window shows 998 fields, one combination is
// added, and Zeichnen draws and paints all 999. Only the second drawing is timed.
void BM_Click999(benchmark::State& state) {
    NoSound sound;
    Form1 form(sound);
    const auto before = benchTable(entries - 1);
    const auto after = benchTable(entries);
    QImage image = initialSizeImage(form);
    for (auto _ : state) {
        state.PauseTiming();
        form.Liste = before;
        form.Zeichnen();
        {
            QPainter painter(&image);
            form.paintDrawing(painter);
        }
        form.Liste = after;
        state.ResumeTiming();
        form.Zeichnen();
        QPainter painter(&image);
        form.paintDrawing(painter);
    }
}
BENCHMARK(BM_Click999)->Unit(benchmark::kMillisecond)->Repetitions(drawingRepetitions);

// The painting floor: the 999 outlines and labels of the same picture painted onto a cleared
// image with every label shaped beforehand. No drawing of this picture can cost less; the
// rest of a click is what it adds on top.
void BM_PaintingFloor999(benchmark::State& state) {
    NoSound sound;
    Form1 form(sound);
    auto table = benchTable(entries);
    FieldListCanvas fields;
    tarvisol::Zeichnen(table, fields, ".");
    const tarvisol::FieldLayout layout(table, initialAreaWidth, initialAreaHeight);
    const QFont font = form.font();
    QVector<QRectF> outlines;
    QVector<QStaticText> labels;
    QVector<QPointF> labelPositions;
    for (std::size_t i = 0; i < fields.rectangles.size(); ++i) {
        const auto& r = fields.rectangles[i];
        outlines.append(QRectF(r.x / twipsPerPixel, r.y / twipsPerPixel, r.width / twipsPerPixel,
                               r.height / twipsPerPixel));
        QStaticText label(QString::fromStdString(fields.labels[i]));
        label.setTextFormat(Qt::PlainText);
        label.prepare(QTransform(), font);
        labelPositions.append(QPointF(layout.centreX() / twipsPerPixel - label.size().width() / 2,
                                      outlines.back().top()));
        labels.append(label);
    }
    QImage image = initialSizeImage(form);
    const QColor paper = form.palette().color(QPalette::Window);
    for (auto _ : state) {
        image.fill(paper);
        QPainter painter(&image);
        painter.setPen(form.palette().color(QPalette::WindowText));
        painter.setFont(font);
        painter.drawRects(outlines.constData(), int(outlines.size()));
        for (qsizetype i = 0; i < labels.size(); ++i) {
            painter.drawStaticText(labelPositions[i], labels[i]);
        }
    }
}
BENCHMARK(BM_PaintingFloor999)->Unit(benchmark::kMillisecond)->Repetitions(drawingRepetitions);

// Uncovering the window: a repaint of what is already drawn.
void BM_Repaint(benchmark::State& state) {
    NoSound sound;
    Form1 form(sound);
    form.Liste = benchTable(int(state.range(0)));
    form.Zeichnen();
    QImage image = initialSizeImage(form);
    {
        QPainter first(&image);
        form.paintDrawing(first);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        form.paintDrawing(painter);
    }
}
BENCHMARK(BM_Repaint)->Arg(1)->Arg(999)->Unit(benchmark::kMicrosecond);

} // namespace
