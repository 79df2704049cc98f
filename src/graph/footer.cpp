#include "graph/footer.hpp"

#include <algorithm>
#include <string>

namespace calcorix {
namespace {

bool Continues(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void AppendErrors(std::string& text, const GraphSeries& series, char separator) {
  text += " Błędy: " + std::to_string(series.Errors());
  const auto listed = series.FirstErrors();
  if (!listed.empty()) {
    text += " (LI = ";
    for (std::size_t i = 0; i < listed.size(); ++i) {
      if (i > 0) text += "; ";
      text += NumberText(listed[i].li, separator);
    }
    if (series.Errors() > listed.size()) text += "; ...";
    text += ")";
  }
  text += ".";
}

}  // namespace

std::string FooterText(const GraphSeries& series, const ValueRange& range, std::string_view marks,
                       char separator) {
  std::string text = "Punkty: " + std::to_string(series.Values()) + ".";
  if (series.Errors() > 0) AppendErrors(text, series, separator);
  if (series.Values() == 0) {
    text += " Brak wartości do narysowania.";
  } else {
    text += " Min: " + NumberText(series.Min(), separator) +
            " (LI = " + NumberText(series.MinLi(), separator) +
            "), max: " + NumberText(series.Max(), separator) +
            " (LI = " + NumberText(series.MaxLi(), separator) + ").";
  }
  if (range.clippedAbove || range.clippedBelow) {
    text += " Wartości poza zakresem przycięte do ramki (";
    const std::size_t blank = marks.find(' ');
    if (range.clippedAbove) text += marks.substr(0, blank);
    if (range.clippedAbove && range.clippedBelow) text += " ";
    if (range.clippedBelow) text += marks.substr(blank + 1);
    text += ").";
  }
  if (series.Stopped()) {
    text += " Rysowanie zatrzymane po " + std::to_string(series.Passes()) + " przejściach.";
  }
  return text;
}

int TextWidth(std::string_view utf8) {
  int width = 0;
  for (char c : utf8)
    width += !Continues(c);
  return width;
}

std::vector<std::string> WrapWords(std::string_view text, int width) {
  width = std::max(width, 1);
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    const bool fits = TextWidth(line) + 1 + TextWidth(word) <= width;
    if (!line.empty() && !fits) {
      lines.push_back(std::move(line));
      line.clear();
    }
    // A word wider than a line is cut into pieces of the width.
    while (TextWidth(word) > width) {
      std::size_t cut = 0;
      for (int taken = 0; cut < word.size() && (taken < width || Continues(word[cut])); ++cut)
        taken += !Continues(word[cut]);
      lines.emplace_back(word.substr(0, cut));
      word.remove_prefix(cut);
    }
    if (!line.empty()) line += ' ';
    line += word;
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string AsciiLetters(std::string_view utf8) {
  static constexpr std::string_view kMarked[] = {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż",
                                                 "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};
  static constexpr std::string_view kPlain = "acelnoszzACELNOSZZ";
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    if (!(static_cast<unsigned char>(utf8[i]) & 0x80)) {
      out += utf8[i++];
      continue;
    }
    std::size_t length = 1;
    while (i + length < utf8.size() && Continues(utf8[i + length]))
      ++length;
    char plain = '?';
    for (std::size_t k = 0; k < std::size(kMarked); ++k) {
      if (utf8.substr(i, length) == kMarked[k]) plain = kPlain[k];
    }
    out += plain;
    i += length;
  }
  return out;
}

}  // namespace calcorix
