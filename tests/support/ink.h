#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdlib>

// Where a widget or a page has drawn something: the pixels of an area that
// differ clearly from its background.
struct InkSpan {
    int left = -1;
    int right = -1;
    bool empty() const { return left < 0; }
    int width() const { return empty() ? 0 : right - left + 1; }
};

inline bool isInk(const QColor& pixel, const QColor& background)
{
    constexpr int Tolerance = 64;
    return std::abs(pixel.red() - background.red()) > Tolerance || std::abs(pixel.green() - background.green()) > Tolerance
        || std::abs(pixel.blue() - background.blue()) > Tolerance;
}

// The columns of `area` that hold ink on `background`.
inline InkSpan inkColumns(const QImage& image, const QRect& area, const QColor& background)
{
    InkSpan span;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (isInk(image.pixelColor(x, y), background)) {
                if (span.empty())
                    span.left = x;
                span.right = x;
                break;
            }
    return span;
}

// A widget as it is drawn, one image pixel a device-independent pixel.
inline QImage drawn(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}
