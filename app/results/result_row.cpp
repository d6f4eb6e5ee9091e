#include "app/results/result_row.h"

#include "app/results/text_fields.h"

namespace keldra::results {

ResultRow RowOf(const std::array<std::string, kColumnCount>& fields) {
    ResultRow row;
    for (int c = 0; c < kColumnCount; ++c) {
        row.text[c] = Trimmed(fields[c]);
        row.value[c] = ReadFigure(fields[c]);
    }
    return row;
}

}  // namespace keldra::results
