#pragma once

// The user's locale, as far as the program cares: its decimal symbol and whether its character
// set is UTF-8. Both are read once at start-up; every internal conversion uses "." regardless.

namespace calcorix {

// Adopts the user's character set (LC_CTYPE: the terminal's text, the editor's wide characters)
// and numeric conventions (LC_NUMERIC), and stores the decimal symbol as DecimalSeparator when it
// is exactly one byte; otherwise DecimalSeparator stays ".". The other categories stay "C".
void AdoptUserLocale();

// True when the adopted locale's character set is UTF-8.
bool LocaleUsesUtf8();

// The decimal point of every printed floating-point text, and of real numbers in switches.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

}  // namespace calcorix
