// The display conversions of the input windows: in English units depths are
// shown in feet and stored in inches, the uniform surface load is shown in
// psf and stored in psi; SI and generic values are shown as stored.
#pragma once

class TProgramData;

[[nodiscard]] double shownDepth(const TProgramData& project, double stored);
[[nodiscard]] double storedDepth(const TProgramData& project, double shown);
[[nodiscard]] double shownStress(const TProgramData& project, double stored);
[[nodiscard]] double storedStress(const TProgramData& project, double shown);
