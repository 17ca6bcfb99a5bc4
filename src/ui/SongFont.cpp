#include "ui/SongFont.h"

#include <algorithm>

#include <QFont>
#include <QFontDatabase>

namespace velorin::ui {

namespace {

// Words that name a Song (Ming) face in family names, the look 宋体 has.
const QStringList kSongWords = {QStringLiteral("Serif"), QStringLiteral("Song"), QStringLiteral("Ming"),
                                QStringLiteral("宋")};

bool IsSongFace(const QString& family) {
    for (const QString& word : kSongWords)
        if (family.contains(word, Qt::CaseInsensitive)) return true;
    return false;
}

// Simplified-Chinese faces before the others of a family group (SC before
// TC, HK, JP, KR), since the program writes simplified Chinese.
bool IsSimplified(const QString& family) {
    return family.endsWith(QStringLiteral(" SC")) || family.endsWith(QStringLiteral(" CN"));
}

int Rank(const QString& family) {
    return (IsSongFace(family) ? 0 : 2) + (IsSimplified(family) ? 0 : 1);
}

}  // namespace

QStringList SongSubstitutes(const QStringList& chineseFamilies) {
    QStringList ordered = chineseFamilies;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const QString& a, const QString& b) { return Rank(a) < Rank(b); });
    return ordered;
}

void MapSongFont() {
    const QStringList substitutes = SongSubstitutes(QFontDatabase::families(QFontDatabase::SimplifiedChinese));
    QFont::removeSubstitutions(kSongFamily);
    QFont::insertSubstitutions(kSongFamily, substitutes);
}

}  // namespace velorin::ui
