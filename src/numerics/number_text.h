#pragma once
// Number text into doubles, and the small numeric helpers with fixed edge behaviour.
#include <stdexcept>
#include <string>

namespace tubalyx {

// A typed text that holds no number where the reading cannot go on without one.
class NumberTextError : public std::runtime_error {
public:
    explicit NumberTextError(const std::string& text) : std::runtime_error("'" + text + "' is no number") {}
};

// Parses a plain decimal number (blanks, sign, digits, the decimal separator given,
// an exponent, blanks). Returns false when the text is no number or out of range.
bool TryParseNumber(const std::string& text, char separator, double& value);

// The text with the platform separator as a double; 0 when it is no number. Never throws.
double StrToFloatSafe(const std::string& text);

// As StrToFloatSafe, but a text that is no number (the empty text too) throws NumberTextError.
double StrToFloat(const std::string& text);

// As StrToFloatSafe, but on failure swaps the first comma for a point (or, when there is
// no comma, the first point for a comma), leaves the swapped text in `text` and tries once more.
double StrToFloatAnySep(std::string& text);

double ArcCosine(double x);              // [0, pi]; 0 outside [-1, 1]
double MinDouble(double a, double b);    // b when equal (and when a is no number)
double MaxDouble(double a, double b);    // b when equal
double PowerDouble(double x, double y);  // |x|^y; 0 when x = 0; CalcError on overflow
double Log10Abs(double x);               // log10 |x|; CalcError for 0

}  // namespace tubalyx
