#include "grid/foundation/painting/ArrowShape.h"

const TArrowPoints& ArrowPoints(TArrowDirection Dir)
{
    static const TArrowPoints arrows[] = {
        {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}}, // arrUp
        {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},  // arrDown
        {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}}, // arrLeft
        {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}}, // arrRight
    };
    return arrows[Dir];
}
