#include "matwin/picture_painting.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "toolkit/qt_text.h"
#include "workspace/picture_style.h"

namespace lorvex {
namespace {

QColor colourOf(std::uint32_t rgb, double opacity = 1.0) {
    QColor colour(static_cast<QRgb>(rgb));
    colour.setAlphaF(static_cast<float>(opacity));
    return colour;
}

// From the picture's window onto the square, y pointing up.
class Placement {
  public:
    Placement(const PlaneWindow& window, const QRectF& square) : window_(window), square_(square) {}
    QPointF operator()(PlanePoint p) const {
        return {square_.left() +
                    (p.x - window_.left) / (window_.right - window_.left) * square_.width(),
                square_.top() +
                    (window_.top - p.y) / (window_.top - window_.bottom) * square_.height()};
    }

  private:
    PlaneWindow window_;
    QRectF square_;
};

}  // namespace

void paintPicture(QPainter& painter, const QRectF& area, const LinearMapPicture& picture,
                  const std::vector<std::string>& statements) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const double lineHeight = std::max(16.0, area.height() / 30.0);
    const double textRoom = lineHeight * static_cast<double>(statements.size()) + lineHeight / 2;
    const double side = std::max(1.0, std::min(area.width(), area.height() - textRoom));
    const QRectF square(area.left() + (area.width() - side) / 2, area.top(), side, side);
    const Placement at(picture.window, square);
    const double scale = side / kPictureSide;

    painter.setClipRect(square);
    for (const PictureStyle& style : kPictureStyles) {
        QPen pen(colourOf(style.stroke), std::max(1.0, style.strokeWidth * scale));
        painter.setPen(pen);
        painter.setBrush(style.fillOpacity > 0.0 ? QBrush(colourOf(style.fill, style.fillOpacity))
                                                 : Qt::NoBrush);
        for (const PicturePolygon& polygon : picture.polygons) {
            if (polygon.role != style.role) continue;
            QPolygonF corners;
            for (const PlanePoint& p : polygon.corners)
                corners << at(p);
            painter.drawPolygon(corners);
        }
        for (const PictureSegment& segment : picture.segments) {
            if (segment.role == style.role) painter.drawLine(at(segment.from), at(segment.to));
        }
    }

    QFont font = painter.font();
    font.setPixelSize(std::max(11, static_cast<int>(16 * scale)));
    painter.setFont(font);
    for (const PictureLabel& label : picture.labels) {
        painter.setPen(colourOf(pictureStyle(label.role).stroke));
        painter.drawText(at(label.anchor) + QPointF(4, -4), toQString(label.text));
    }
    painter.setClipping(false);

    font.setPixelSize(static_cast<int>(lineHeight * 0.7));
    painter.setFont(font);
    painter.setPen(Qt::black);
    double top = square.bottom() + lineHeight / 2;
    for (const std::string& statement : statements) {
        painter.drawText(QRectF(area.left() + 8, top, area.width() - 16, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, toQString(statement));
        top += lineHeight;
    }
    painter.restore();
}

}  // namespace lorvex
