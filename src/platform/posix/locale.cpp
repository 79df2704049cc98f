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
  if (std::setlocale(LC_ALL, "") == nullptr) return;
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
