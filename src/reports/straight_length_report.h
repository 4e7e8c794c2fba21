#pragma once
// The straight-length section of the report: the explanation and the table of the current
// device family with every requirement in metres for the current pipe.
#include <string>

namespace tubalyx {

// A length cell: the length rounded to three digits, five characters wide.
std::string StraightLengthCellText(double lengthM);

// The whole section; kind '2' (the run) adds the note on the downstream tapping.
void WriteStraightLengthSection(char kind);
// Each family's table, reloaded for the current diameters.
void PrintStraightLengthTableA(char kind);
void PrintStraightLengthTableB(char kind);
void PrintStraightLengthTableC(char kind);
void WriteAdditionalErrorHeading();

}  // namespace tubalyx
