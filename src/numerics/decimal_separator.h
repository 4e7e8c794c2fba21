#pragma once
// The decimal separator of the user's regional settings. Number text is read and
// report numbers are written with it. It is read once from the platform at start-up
// and can be set directly (tests run every number conversion on both separators).

namespace tubalyx {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Reads the separator of the user's locale: converting the text "0.1" with the platform's
// own number conversion gives 0 on a comma platform. Leaves the C library's numeric locale as "C".
void InitDecimalSeparatorFromPlatform();

}  // namespace tubalyx
