#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The command line, parsed once into a value that the settings, the notes and the driver read.
// Each parameter is taken as its first 255 characters.
//
// A switch is a parameter that begins with "-": its second character is its letter, matched
// without regard to ASCII case, and the rest is its value text. "-" alone is a switch without a
// letter. Every other parameter, the empty one included, is an expression word ("/?" is a word).
// Only the first switch of a letter counts. Parameters and words are numbered from 1, and 0 means
// "none": FindSwitch answers 0 when no switch has the letter.
//
// Nothing here raises anything but a failure to allocate.

namespace calcorix {

struct CommandLine {
  // The first switch of a letter.
  struct Switch {
    std::size_t number = 0;  // of its parameter
    char letter = 0;         // lower case
    // The value text. A value that opens a quote (' " [) continues over the following
    // parameters, joined with single blanks, up to the one that ends with the closing character;
    // the last character is then dropped, also when no parameter closed the quote. At most 255
    // characters.
    std::string text;
    // The value text before any quote is joined, as a signed 32-bit whole number
    // (WholeNumberValue); 0 when it is no valid number.
    std::int32_t integer = 0;
  };

  std::vector<std::string> parameters;  // as given, for the notes that quote them
  std::vector<Switch> switches;         // in the order their letters first appear
  std::vector<std::string> words;       // the expression words, each cut to 255 characters
  bool helpRequested = false;           // -?, -h or --help
  bool versionRequested = false;        // --version
  bool graphRequested = false;          // -p

  // Number of the first parameter that is a switch with this letter; 0 when there is none.
  std::size_t FindSwitch(char letter) const;
  bool SwitchPresent(char letter) const { return FindSwitch(letter) != 0; }
  // The value of the letter's switch; 0 and empty when the switch is absent.
  std::int32_t SwitchInteger(char letter) const;
  std::string SwitchText(char letter) const;

  // Number of parameters that are expression words. Parameters that continue a quoted switch
  // value count too, unless they begin with "-".
  std::size_t CountExpressionWords() const { return words.size(); }

  // The n-th expression word (n from 1); empty when n is 0 or beyond the count.
  std::string ExpressionWord(std::size_t n) const;

  // ExpressionWord(1) + ... + ExpressionWord(count) with nothing between, cut to 255 characters:
  // the expression the driver computes.
  std::string JoinExpressionWords(std::size_t count) const;

  // True when the first `count` expression words, as given, hold more than 255 characters
  // together: the expression the driver computes lacks the rest.
  bool ExpressionIsCut(std::size_t count) const;

 private:
  const Switch* Find(char letter) const;
};

// The command line of these parameters (argv without the program's own name). A pure function
// of its argument.
CommandLine ParseCommandLine(std::vector<std::string> parameters);

}  // namespace calcorix
