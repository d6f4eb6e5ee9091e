#include "engine/boxed_title.h"

#include "engine/fixed_line.h"

namespace keldra {

namespace {

constexpr int kIndent = 6;
constexpr int kInner = kBoxWidth - 2;
constexpr int kTitleLead = 8;

}  // namespace

void WriteBoxedTitle(std::FILE* file, std::string_view title) {
    if (title.size() > kInner) title = title.substr(0, kInner);
    const int length = static_cast<int>(title.size());
    const int lead = length <= kInner - kTitleLead ? kTitleLead : (kInner - length) / 2;
    const std::string_view stars = "**************************************************";
    WriteEmptyLine(file);
    WriteEmptyLine(file);
    FixedLine().X(kIndent).Text(stars).WriteTo(file);
    FixedLine()
        .X(kIndent)
        .Text("*")
        .X(lead)
        .Text(title)
        .X(kInner - lead - length)
        .Text("*")
        .WriteTo(file);
    FixedLine().X(kIndent).Text(stars).WriteTo(file);
}

}  // namespace keldra
