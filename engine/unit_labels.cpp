#include "engine/unit_labels.h"

#include <cstring>

namespace keldra {

namespace {

struct LabelSet {
    const char* L;
    const char* F;
    const char* L2;
    const char* F3;
};

constexpr LabelSet kEnglish{" IN", " LBS", "IN", "LBS"};
constexpr LabelSet kSI{"  M", "  KN", " M", " KN"};
constexpr LabelSet kGeneric{"  L", "   F", " L", "  F"};

}  // namespace

void SetUnitLabels(UnitLabels& labels, int code) {
    const LabelSet& set = code == 1 ? kEnglish : code == -1 ? kSI : kGeneric;
    labels.code = code == 1 || code == -1 ? code : 0;
    std::strcpy(labels.L, set.L);
    std::strcpy(labels.F, set.F);
    std::strcpy(labels.L2, set.L2);
    std::strcpy(labels.F3, set.F3);
}

}  // namespace keldra
