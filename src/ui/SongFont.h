#pragma once
// The windows and the report ask for "宋体", the Song face of Chinese
// Windows. Here it is mapped to a Song (serif) face that writes Chinese, or to
// any face that does, so that Chinese text renders wherever the program runs.
#include <QString>
#include <QStringList>

namespace velorin::ui {

inline const QString kSongFamily = QStringLiteral("宋体");

// The faces to stand in for 宋体, best first, chosen among the installed
// families that write simplified Chinese.
QStringList SongSubstitutes(const QStringList& chineseFamilies);

// Registers the substitutes of the faces installed on this machine.
void MapSongFont();

}  // namespace velorin::ui
