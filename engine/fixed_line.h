// One line of fixed-layout text in the report notation: nX blanks, literal
// text, In / In.m integers, Fw.d fixed, Ew.d exponent, Gw.d general, An text,
// and the free-format values of the plot data and scratch files (an integer
// or a d.dddE+xx real in as many columns as it needs). A value too wide for
// its field fills the field with asterisks. The line lives in a fixed buffer;
// nothing is allocated.
//
//   FixedLine().X(6).Text("NUMBER OF INCREMENTS   = ").I(3, NINC).WriteTo(report);
#pragma once

#include <string_view>

#include "engine/output_file.h"

namespace keldra {

class FixedLine {
  public:
    static constexpr int kCapacity = 512;

    FixedLine& X(int n);                              // n blanks
    FixedLine& Text(std::string_view text);           // the text as it stands
    FixedLine& I(int w, long long value, int m = 0);  // In (m = 0) or In.m
    FixedLine& F(int w, int d, double value);         // Fw.d
    FixedLine& E(int w, int d, double value);         // Ew.d: 0.ddddE+xx
    FixedLine& G(int w, int d, double value);         // Gw.d
    FixedLine& A(int n, std::string_view text);       // An: first n characters, blank padded
    FixedLine& Integer(long long value);              // free format: -ddd
    FixedLine& Scientific(int d, double value);       // free format: -d.ddddE+xx, d decimals

    std::string_view View() const { return {buffer_, static_cast<std::size_t>(length_)}; }

    // Writes the line and a line end.
    void WriteTo(OutputFile& file) const;

  private:
    void Append(std::string_view text);
    FixedLine& Fill(int n, char c);  // n copies of c
    // Where a field of at most n characters is written: in place at the end
    // of the line when it has room, else in `aside` for a clipped Append.
    char* Tail(std::size_t n, char* aside);
    // Takes the field written from `out` (returned by Tail) to `end`.
    FixedLine& Commit(const char* out, const char* end, const char* aside);
    // The text from begin to end right-aligned in w columns, or w asterisks.
    FixedLine& RightAligned(int w, const char* begin, const char* end);

    char buffer_[kCapacity];
    int length_ = 0;
};

// An empty line.
void WriteEmptyLine(OutputFile& file);

}  // namespace keldra
