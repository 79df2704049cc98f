#include "platform/locale.hpp"

#include <langinfo.h>

#include <clocale>
#include <cstring>

namespace calcorix {
namespace {

char decimalSeparator = '.';

}  // namespace

void AdoptUserLocale() {
  decimalSeparator = '.';
  // Only the two categories the program uses: every other one would be one more locale file to
  // open at each start, for a calculation that never asks it anything. Each is adopted on its
  // own, so that an unusable setting of one leaves the other as the user has it.
  std::setlocale(LC_CTYPE, "");
  if (std::setlocale(LC_NUMERIC, "") == nullptr) return;
  const std::lconv* conventions = std::localeconv();
  if (conventions != nullptr && conventions->decimal_point != nullptr &&
      std::strlen(conventions->decimal_point) == 1) {
    decimalSeparator = conventions->decimal_point[0];
  }
}

bool LocaleUsesUtf8() {
  const char* codeset = nl_langinfo(CODESET);
  return codeset != nullptr &&
         (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

char DecimalSeparator() {
  return decimalSeparator;
}

void SetDecimalSeparator(char separator) {
  decimalSeparator = separator;
}

}  // namespace calcorix
