#include "sim/ModuleModel.h"

namespace sim {

bool isKnownModel(int model) {
    switch (model) {
        case 4097:
        case 272:
        case 901:
        case 2012:
        case 512:
        case 712:
        case 812:
            return true;
        default:
            return false;
    }
}

ModuleKind kindOfModel(int model) {
    switch (model) {
        case 2012:
        case 512:
            return ModuleKind::TwoTeam;
        case 712:
        case 812:
            return ModuleKind::Rf;
        default:
            return ModuleKind::OneTeam;
    }
}

}  // namespace sim
