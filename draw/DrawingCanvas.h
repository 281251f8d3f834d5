// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace ravo {

// The picture of the window: a retained image that fills the client area and is copied to
// the screen on every paint, so it survives covering, minimising and resizing. The image
// never shrinks: a smaller window only shows less of it. It is kept at the screen's
// resolution, so a scaled display draws crisp lines.
class DrawingCanvas : public QWidget {
public:
    // Every run's drawing fits in this area, even when the window is smaller.
    static constexpr QSize minimumPicture{800, 581};

    explicit DrawingCanvas(QWidget* parent);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // The picture in logical pixels, the unit of every drawing call.
    QRect pictureRect() const;

    // Writes a label's text into the picture at the label's place: the label lies in the
    // drawing layer, so a drawing over its area covers it.
    void paintIntoPicture(const QLabel& label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensurePicture(QSize logicalSize);

    QImage image_;
};

// A label of the drawing layer: its text lives in the picture, so the widget itself
// paints nothing and whatever a run draws over it stays visible.
class DrawingLayerLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace ravo
