#include "ImgIcon32.h"
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 248, 235);
const QColor kBlue(40, 90, 170);

void page(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void lines(QPainter &p, qreal x0, qreal x1, qreal y0, int count, qreal step)
{
    p.setPen(QPen(kBlue, 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x0, y0 + i * step), QPointF(x1, y0 + i * step));
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c)
{
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to + u * 3, to - u * 5 + n * 5, to - u * 5 - n * 5}));
}

void draw(QPainter &p, int index)
{
    switch (index) {
    case 1: // account heads: a ledger
        page(p, QRectF(6, 3, 20, 26));
        p.fillRect(QRectF(6, 3, 4, 26), QColor(150, 40, 40));
        lines(p, 13, 23, 9, 5, 4);
        break;
    case 2: { // general receipts: a receipt slip
        QPainterPath path;
        path.moveTo(7, 3);
        path.lineTo(25, 3);
        path.lineTo(25, 27);
        for (int i = 0; i < 6; ++i)
            path.lineTo(25 - 3 * i - 1.5, i % 2 ? 27 : 29);
        path.lineTo(7, 27);
        path.closeSubpath();
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawPath(path);
        lines(p, 10, 22, 8, 4, 4);
        break;
    }
    case 3: // voucher: a slip with a V
        page(p, QRectF(3, 7, 26, 18));
        p.setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(10, 11), QPointF(16, 21), QPointF(22, 11)}));
        break;
    case 4: // book creation: a book and a plus
        page(p, QRectF(4, 5, 18, 22));
        p.fillRect(QRectF(4, 5, 4, 22), QColor(30, 100, 60));
        p.setPen(QPen(QColor(30, 140, 40), 4));
        p.drawLine(QPointF(25, 17), QPointF(25, 29));
        p.drawLine(QPointF(19, 23), QPointF(31, 23));
        break;
    case 5: // transfer journals: two pages and an arrow
        page(p, QRectF(2, 4, 13, 17));
        page(p, QRectF(17, 11, 13, 17));
        arrow(p, QPointF(8, 26), QPointF(15, 26), QColor(200, 110, 0));
        break;
    case 6: // transfer cheques: a cheque and an arrow
        page(p, QRectF(2, 6, 28, 13));
        lines(p, 5, 20, 11, 2, 4);
        arrow(p, QPointF(6, 25), QPointF(26, 25), QColor(200, 110, 0));
        break;
    case 7: { // telephone: a handset
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(60, 60, 60));
        QPainterPath path;
        path.moveTo(5, 12);
        path.cubicTo(5, 4, 27, 4, 27, 12);
        path.lineTo(22, 14);
        path.lineTo(20, 10);
        path.cubicTo(17, 9, 15, 9, 12, 10);
        path.lineTo(10, 14);
        path.closeSubpath();
        p.drawPath(path);
        p.drawRoundedRect(QRectF(7, 16, 18, 12), 3, 3);
        break;
    }
    case 8: // change financial year: a calendar
        page(p, QRectF(4, 6, 24, 22));
        p.fillRect(QRectF(4, 6, 24, 6), QColor(190, 40, 40));
        p.setPen(QPen(kInk, 1));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(7 + c * 5.2, 14 + r * 4.5, 3, 3));
        break;
    case 9: // change company: a building
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(170, 170, 190));
        p.drawRect(QRectF(7, 4, 18, 25));
        p.setBrush(QColor(255, 240, 150));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(9.5 + c * 5, 7 + r * 5, 3, 3));
        break;
    case 10: // change unit: two arrows turning round
        arrow(p, QPointF(5, 11), QPointF(26, 11), QColor(30, 120, 200));
        arrow(p, QPointF(27, 22), QPointF(6, 22), QColor(30, 160, 60));
        break;
    case 11: // a red exclamation mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 20, 20));
        p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(20, 3), QPointF(18, 21), QPointF(14, 21)}));
        p.drawEllipse(QRectF(12.5, 23, 7, 7));
        break;
    case 12: // a green tick
        p.setPen(QPen(QColor(20, 150, 30), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(13, 25), QPointF(27, 7)}));
        break;
    case 13: // a black cross
        p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(25, 25));
        p.drawLine(QPointF(25, 7), QPointF(7, 25));
        break;
    default: break;
    }
}
} // namespace

QPixmap ImgIcon32::picture(int index)
{
    if (index < 1 || index > kCount)
        return QPixmap();
    static QHash<int, QPixmap> cache;
    auto it = cache.find(index);
    if (it == cache.end()) {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, index);
        p.end();
        it = cache.insert(index, pm);
    }
    return *it;
}
