#include "driver/texts.hpp"

#include <string_view>

#include "platform/console.hpp"
#include "platform/program_end.hpp"
#include "settings/settings.hpp"

namespace calcorix {
namespace {

constexpr std::string_view kTitle =
    "CALCORIX 1.0 - podręczny kalkulator obliczający wyrażenia z linii poleceń.";
constexpr std::string_view kNotice = "Copyright (c) CALCORIX authors. Licencja MIT.";

constexpr std::string_view kHelp[] = {
    kTitle,
    kNotice,
    "Składnia: CALCORIX [opcje] wyrażenie",
    "  Opcje:",
    "  -i[c/s]        czyta z: c - linii poleceń (domyślnie), s - standardowe",
    "                 wejście (q lub Ctrl+Z - wyjście, ; - komentarz)",
    "  -t[d/r/g]      używa: d - stopni, r - radianów (domyślnie), g - gradusów",
    "                 w funkcjach trygonometrycznych",
    "  -o[d/s/e/      wynik w formacie: d - dziesiętny (domyślnie), s - naukowy",
    "     h/o/b]      e - wykładniczy, h - szesnastkowy (zaokrąglony),",
    "                 o - ósemkowy (zaokrąglony), b - binarny (zaokrąglony)",
    "  -f[n]          wynik zaokrąglony do n miejsc po przecinku, format stały",
    "  -l[a:b:c]      działanie w pętli (od a z krokiem b do c)",
    "  -p[a/s]        rysuje wykres wyników pętli -l: znakami wyjścia (domyślnie),",
    "                 a - znakami ASCII, s - w formacie SVG",
    "  -? lub -h      wyświetla pomoc",
    "",
    "Dostępne operatory: +, -, *, /, ^, !",
    "Dostępne funkcje: atan(), asinh(), acosh(), atanh(), adbv(), adbw(), acos(),",
    "                  asin(), abs(), cos(), cosh(), cot(), cost(), csc(), cub(),",
    "                  dbv(), dbw(), exp(), exp10, frac(), grad(), int(), pi,",
    "                  int(), log(), log2(), ln(), pow2(), ran(), rad(), rnd(),",
    "                  sin(), sqrt(), sgn(), sec(), si(), sinh(), tan(), tanh(),",
};

}  // namespace

void PrintBanner(const Settings& settings) {
  WriteLine(kTitle);
  WriteLine(kNotice);
  WriteLine("Wpisz: CALCORIX -? lub -h aby uzyskać pomoc.");
  WriteLine("");
  if (settings.inputSource == InputSource::StandardInput) {
    WriteLine("W pliku calcorix.cfg ustawiono odczyt ze standardowego wejścia.");
    WriteLine("Wpisz wyrażenie, max. 255 znaków, q lub Ctrl+Z - wyjście.");
  }
}

void PrintVersion() {
  WriteLine(kTitle);
  WriteLine(kNotice);
  EndProgram(0);
}

void WriteHelpScreen() {
  for (std::string_view line : kHelp)
    WriteLine(line);
}

void PrintHelp() {
  WriteHelpScreen();
  EndProgram(0);
}

}  // namespace calcorix
