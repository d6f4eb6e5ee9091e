#include "app/views/scenetypes.h"

TColour symbolColour(int index) {
    switch (index) {
        case 1:
            return {0, 0, 1, 1};
        case 2:
            return {0, 1, 0, 1};
        case 3:
            return {1, 0, 0, 1};
        case 4:
            return {1, 0, 1, 1};
        case 5:
            return {0, 1, 1, 1};
        case 6:
            return {1, 1, 0, 1};
        default:
            return {0, 0, 0, 1};
    }
}
