#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace lorvex::test {

// Dark pixels (text in black), strong red ones (the highlight colour) and
// strong green ones in an area of a rendered image.
struct InkCounts {
    int black = 0;
    int red = 0;
    int green = 0;
};

inline InkCounts countInk(const QImage& image, QRect area) {
    InkCounts counts;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() < 90 && pixel.green() < 90 && pixel.blue() < 90) ++counts.black;
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80) ++counts.red;
            if (pixel.red() < 80 && pixel.green() > 200 && pixel.blue() < 80) ++counts.green;
        }
    }
    return counts;
}

}  // namespace lorvex::test
