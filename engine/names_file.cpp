#include "engine/names_file.h"

#include <cstdio>

#include "engine/free_format.h"

namespace keldra {

namespace {

void TrimTrailingBlanks(char* text) {
    int n = 0;
    while (text[n] != '\0') ++n;
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) text[--n] = '\0';
}

void WriteCreateInputMessage() {
    std::fputs(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n", stderr);
    std::fputs(" BEFORE COMPUTATION.  TRY IT AGAIN!\n", stderr);
}

}  // namespace

bool ReadNamesFile(EngineState& s) {
    std::FILE* file = std::fopen(kNamesFile, "r");
    if (file == nullptr) {
        std::fputs(" NAMES.dat NOT FOUND IN THE CURRENT DIRECTORY\n", stderr);
        WriteCreateInputMessage();
        return false;
    }
    FreeFormatReader in(file, kNamesFile);
    bool complete = in.ReadLine(s.run.version, kVersionLength);
    for (char* path : s.run.paths) {
        complete = complete && in.ReadLine(path, kPathLength);
        TrimTrailingBlanks(path);
    }
    std::fclose(file);
    if (!complete) WriteCreateInputMessage();
    return complete;
}

}  // namespace keldra
