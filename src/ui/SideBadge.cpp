#include "ui/SideBadge.h"

#include <QApplication>
#include <QFont>
#include <QPainter>

namespace velorin::ui {

QPixmap SideBadge(const QString& badge, const QString& label, const QColor& colour) {
    // Drawn at twice the size so that it stays sharp on dense screens.
    constexpr qreal kScale = 2.0;
    QPixmap picture(kSideBadgeSize * kScale, kSideBadgeSize * kScale);
    picture.setDevicePixelRatio(kScale);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF whole(0.5, 0.5, kSideBadgeSize - 1, kSideBadgeSize - 1);
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour.lighter(185));
    painter.drawRoundedRect(whole, 6, 6);

    const QRectF disc(kSideBadgeSize / 2.0 - 15, 3, 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(disc);

    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, badge);

    font.setBold(false);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(colour.darker(170));
    painter.drawText(QRectF(0, 35, kSideBadgeSize, 19), Qt::AlignCenter, label);
    return picture;
}

}  // namespace velorin::ui
