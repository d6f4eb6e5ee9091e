#include "engine/input_py_modification.h"

#include "engine/run_stop.h"

namespace keldra {

Step ReadPyModification(EngineState& s, FreeFormatReader& in) {
    if (s.control.NPYMOD > kMaxPyModRows) {
        return StopTooMuchData(s, MoreThan(kMaxPyModRows, "P-Y MODIFICATION ROWS"));
    }
    PyModification& m = s.pymod;
    for (int k = 1; k <= s.control.NPYMOD; ++k) {
        if (!in.Read(m.ZMOD[k], m.PMOD[k], m.YMOD[k])) return StopOnReadFailure(s, in);
    }
    return Step::kContinue;
}

}  // namespace keldra
