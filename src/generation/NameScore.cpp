// Placeholder until the score lands.
#include "generation/NameScore.h"

namespace velorin {

int GridPoints(GridKind, int) { return 0; }
int BaseScore(int, int, int, int) { return 0; }
int BirthDateAdjustment(int, int, int) { return 0; }

}  // namespace velorin
