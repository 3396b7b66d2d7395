#pragma once
// The one place that knows about QPainter. A Canvas draws on a Format_RGB32 image with the
// semantics the painted screens are written against:
// - a line includes its start point and excludes its end point;
// - rectangle, ellipse, pie and rounded rectangle take (left, top, right, bottom) and cover
//   left..right-1 and top..bottom-1, outlined with the pen and filled with the brush;
// - pie and arc take a bounding box and two radial points and run counter-clockwise from
//   the first to the second (equal points: the full ellipse);
// - block transfers copy, AND or XOR the colour bits of a source image;
// - text is drawn with a transparent background at a reference point whose meaning the
//   text alignment sets (left, centre or right; always the top of the character cell).
// Everything is drawn without antialiasing and inside the clipping rectangle.

#include "draw/colour.h"
#include "draw/knob_schemes.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <span>

namespace draw {

class DrawnControls;

enum class TextAlign { Left, Centre, Right };
enum class RasterOp { Copy, And, Xor };

class Canvas {
  public:
    // The image must be Format_RGB32 and outlive the canvas; other formats are converted
    // in place first.
    explicit Canvas(QImage& image);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Drawing state, kept until changed like the attributes of a device context.
    void setPen(Colour colour) { pen_ = colour; }
    Colour pen() const { return pen_; }
    void setBrush(Colour colour) { brush_ = colour; }
    Colour brush() const { return brush_; }
    void setTextAlign(TextAlign align) { align_ = align; }
    TextAlign textAlign() const { return align_; }
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }

    // Clipping rectangle (left, top, right, bottom; right and bottom excluded). Drawing
    // outside the image is always dropped.
    void setClip(int left, int top, int right, int bottom);
    void resetClip();
    QRect clip() const { return clip_; }

    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);

    void line(int x1, int y1, int x2, int y2);
    void line(int x1, int y1, int x2, int y2, Colour colour);
    void rectangle(int left, int top, int right, int bottom);
    // Fills left..right-1, top..bottom-1 with a colour, no outline.
    void fillRect(int left, int top, int right, int bottom, Colour colour);
    void ellipse(int left, int top, int right, int bottom);
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void polygon(std::span<const QPoint> points);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

    // Text in the current font and alignment, transparent background, angle in degrees
    // counter-clockwise.
    void text(int x, int y, const QString& text, Colour colour, int angle = 0);
    int textWidth(const QString& text) const;

    // Transfers width x height pixels of source at (sourceX, sourceY) to (x, y). Pixels
    // outside the source or the clip are left alone.
    void blit(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
              RasterOp op = RasterOp::Copy);

    // A record of the controls drawn from now on (see drawn_controls.h); null stops it.
    void setDrawnControls(DrawnControls* record) { drawnControls_ = record; }
    DrawnControls* drawnControls() const { return drawnControls_; }

    // The colours in which the knobs are drawn on this canvas.
    void setKnobScheme(KnobScheme scheme) { knobScheme_ = scheme; }
    KnobScheme knobScheme() const { return knobScheme_; }

  private:
    QPainter& painter();
    QRect toQRect(int left, int top, int right, int bottom) const;
    void shapeWithPenAndBrush();
    bool insideClip(int x, int y) const { return clip_.contains(x, y); }

    QImage& image_;
    QPainter painter_;
    QFont font_;
    QRect clip_;
    Colour pen_ = rgb(0, 0, 0);
    Colour brush_ = rgb(255, 255, 255);
    TextAlign align_ = TextAlign::Left;
    DrawnControls* drawnControls_ = nullptr;
    KnobScheme knobScheme_ = KnobScheme::Yellow;
};

} // namespace draw
