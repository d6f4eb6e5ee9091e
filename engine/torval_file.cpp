#include "engine/torval_file.h"

#include "engine/fixed_line.h"

namespace keldra {

void WriteTorval(OutputFile& file, const EarthPressureTable& ep) {
    FixedLine().I(12, ep.count).WriteTo(file);
    for (int k = 1; k <= ep.count; ++k) {
        FixedLine()
            .X(5)
            .E(10, 3, ep.ZEP[k])
            .X(4)
            .E(10, 3, ep.PAEP[k])
            .X(4)
            .E(10, 3, ep.PASOIL[k])
            .X(4)
            .E(10, 3, ep.PASUR[k])
            .WriteTo(file);
    }
}

}  // namespace keldra
