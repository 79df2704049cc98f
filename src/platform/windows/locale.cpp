#include "platform/locale.hpp"

#include "platform/windows/wide.hpp"

namespace calcorix {
namespace {

char decimalSeparator = '.';

}  // namespace

// The user's decimal symbol from the regional settings. One character of ASCII counts: the same
// byte then stands for it in code page 852 and in UTF-8 alike.
void AdoptUserLocale() {
  decimalSeparator = '.';
  wchar_t symbol[4] = {};
  // The length counts the terminating NUL.
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 4) == 2 &&
      symbol[0] > 0x20 && symbol[0] < 0x7F) {
    decimalSeparator = static_cast<char>(symbol[0]);
  }
}

// A Windows console is written in characters (WriteText), whatever its code page: the automatic
// text mode keeps the program's own code page 852, whose half blocks every console font has.
bool LocaleUsesUtf8() {
  return false;
}

char DecimalSeparator() {
  return decimalSeparator;
}

void SetDecimalSeparator(char separator) {
  decimalSeparator = separator;
}

}  // namespace calcorix
