#pragma once
// The pictures of the side buttons of the naming page: a round badge with one
// character over a four-character label that names the subject of the page
// the button opens.
#include <QColor>
#include <QPixmap>
#include <QString>

namespace velorin::ui {

inline constexpr int kSideBadgeSize = 56;

QPixmap SideBadge(const QString& badge, const QString& label, const QColor& colour);

}  // namespace velorin::ui
