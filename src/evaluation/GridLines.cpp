#include "evaluation/GridLines.h"

#include "text/IntegerText.h"

namespace velorin {

using text::IntegerText;

ColouredLine GridLine(const FiveGrids& grids) {
    return {"五格：天格(" + IntegerText(grids.heaven) + ") 人格(" + IntegerText(grids.person) + ") 地格(" +
                IntegerText(grids.earth) + ") 外格(" + IntegerText(grids.outer) + ") 总格(" +
                IntegerText(grids.total) + ")\r\n",
            kBlue};
}

int PersonTalent(int personGrid) { return IntegerText(personGrid).size() == 2 ? personGrid - 10 : personGrid; }

ColouredLine TalentLine(const FiveGrids& grids) {
    return {"三才：天才(" + IntegerText(grids.heaven) + ")→人才(" + IntegerText(PersonTalent(grids.person)) +
                ")→地才(" + IntegerText(grids.earth) + ")\r\n\r\n\r\n",
            kBlue};
}

}  // namespace velorin
