#include "settings/hints.hpp"

#include <utility>

#include "base/text.hpp"
#include "settings/keys.hpp"

namespace calcorix {
namespace {

bool IsKnownLetter(char letter) {
  return kSwitchLetters.find(LowerAscii(letter)) != std::string_view::npos;
}

// "-1+2", "-.5", "-(2)" and "-sin(30)" are numbers or expressions, not switches.
bool LooksLikeExpression(std::string_view word) {
  const char second = word[1];
  return IsDigit(second) || second == '.' || second == '(' ||
         word.find_first_of("()+*/^") != std::string_view::npos;
}

// The word as an expression that means what the user probably wanted: the leading number
// subtracted from 0 in a group of its own ("-1+2" as "(0-1)+2"), so that the rest of the word
// applies to the negative number as written.
std::string AsExpression(std::string_view word) {
  std::size_t end = 1;
  while (end < word.size() && (IsDigit(word[end]) || word[end] == '.'))
    ++end;
  if (end == 1) return "0" + std::string(word);
  return "(0" + std::string(word.substr(0, end)) + ")" + std::string(word.substr(end));
}

bool IsWholeNumber(std::string_view word) {
  if (word.empty()) return false;
  for (const char c : word) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// A note is one line of plain text: a control character from the user's words or file (a line
// end, an escape sequence) is written as \xHH, never sent to the terminal as it is.
std::string Printable(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != 0x7F) continue;
    const char escape[] = {'\\', 'x', "0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    text.replace(i, 1, escape, sizeof escape);
    i += sizeof escape - 1;
  }
  return text;
}

}  // namespace

std::vector<std::string> CommandLineHints(const CommandLine& line) {
  std::vector<std::string> hints;
  const std::vector<std::string>& parameters = line.parameters;
  std::string seen;  // the letters whose first switch has been looked at
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string_view word = CutText(parameters[i]);
    if (word.empty() || word[0] != '-') continue;
    if (word == "--help" || word == "--version") continue;
    if (word.size() >= 2 && !IsKnownLetter(word[1]) && LooksLikeExpression(word)) {
      hints.push_back(Quoted(word) + " zaczyna się od \"-\", więc jest opcją, a nie wyrażeniem; " +
                      "napisz np. " + AsExpression(word) + ".");
      continue;
    }
    if (word.size() < 2 || !IsKnownLetter(word[1])) {
      hints.push_back("Nieznana opcja " + Quoted(word) +
                      " została pominięta (pomoc: calcorix -h).");
      continue;
    }
    const char letter = LowerAscii(word[1]);
    // Only the first switch of a letter counts, and its value is what the setting gets.
    if (seen.find(letter) != std::string::npos) continue;
    seen.push_back(letter);
    const std::string value = line.SwitchText(letter);
    if (letter == 'f' && value.empty() && i + 1 < parameters.size() &&
        IsWholeNumber(parameters[i + 1])) {
      hints.push_back("\"-f\" bez liczby to 0 miejsc po przecinku, a " + Quoted(parameters[i + 1]) +
                      " należy do wyrażenia; napisz -f" + parameters[i + 1] + ".");
    } else if (!IsUsableValue(letter, value)) {
      hints.push_back("Nieprawidłowa wartość opcji " + Quoted(word) +
                      "; obowiązuje ustawienie domyślne.");
    }
  }
  // Only (count modulo 256) words are joined, each cut to 255 characters, and so is what they
  // make: any of these cuts loses a part of what the user wrote.
  if (line.ExpressionIsCut(line.CountExpressionWords() % 256)) {
    hints.emplace_back(CutExpressionHint());
  }
  for (std::string& hint : hints)
    hint = Printable(std::move(hint));
  return hints;
}

std::string ConfigValueHint(std::string_view path, std::size_t line, char letter,
                            std::string_view value) {
  return Printable(std::string(path) + ", wiersz " + std::to_string(line) +
                   ": nieprawidłowa wartość " + Quoted(value) + " klucza -" +
                   std::string(1, LowerAscii(letter)) + " została pominięta.");
}

std::string_view CutExpressionHint() {
  return "Wyrażenie ma więcej niż 255 znaków; liczy się tylko 255 pierwszych.";
}

std::string_view UnreadInputHint() {
  return "Bez parametrów standardowe wejście nie jest czytane; użyj: calcorix -is.";
}

}  // namespace calcorix
