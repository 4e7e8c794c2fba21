#include "qtview/canvas_painter.h"

#include <QPolygon>

#include "qtview/qt_conversions.h"

namespace tubalyx {

void ReplayCanvas(QPainter& painter, const std::vector<TCanvasOp>& ops, int pixelsPerInch) {
    QPoint pen(0, 0);
    for (const TCanvasOp& op : ops) {
        painter.setPen(QPen(ToQColor(op.Pen.Color), std::max(1, op.Pen.Width), Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(ToQColor(op.Brush.Color));
        const QPoint at = op.Points.empty() ? QPoint() : QPoint(op.Points[0].X, op.Points[0].Y);
        switch (op.Kind) {
            case TCanvasOpKind::MoveTo: pen = at; break;
            case TCanvasOpKind::LineTo:
                painter.drawLine(pen, at);
                pen = at;
                break;
            case TCanvasOpKind::Polygon: {
                QPolygon polygon;
                for (const TPoint& p : op.Points) polygon << QPoint(p.X, p.Y);
                painter.drawPolygon(polygon);
                break;
            }
            case TCanvasOpKind::TextOut: {
                painter.setFont(ToQFont(op.Font, pixelsPerInch));
                painter.setPen(ToQColor(op.Font.Color));
                const QFontMetrics metrics(painter.font());
                painter.drawText(at + QPoint(0, metrics.ascent()), Q(op.Text));
                break;
            }
        }
    }
}

}  // namespace tubalyx
