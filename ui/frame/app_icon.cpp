#include "ui/frame/app_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon MakeApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        const QPointF depot(16, 26), a(5, 14), b(14, 5), c(27, 11);
        painter.setPen(QPen(QColor(0, 90, 200), 2.5));
        painter.drawPolyline(QList<QPointF>{depot, a, b, c, depot});
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 30, 30));
        painter.drawRect(QRectF(depot.x() - 4, depot.y() - 4, 8, 8));
        painter.setBrush(QColor(0, 140, 60));
        for (const QPointF& point : {a, b, c}) {
            painter.drawEllipse(point, 3.5, 3.5);
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
