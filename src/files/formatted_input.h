#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::files {

// Reads the text files of the service functions the way formatted input reads them: each item
// skips the white space before it (blanks, tabs, line breaks alike), then takes the longest run
// of characters that can start its form. An item that does not convert leaves the reading at
// the first character it could not take, so the next item starts there.
class FormattedInput {
 public:
  explicit FormattedInput(std::istream& in) : in_(in) {}

  // A word: a run of non-blank characters, of any length; its text is not kept. False at the
  // end of the input.
  bool SkipWord();
  // A decimal integer with an optional sign; nothing when none is there or it does not fit.
  std::optional<int32_t> Integer();
  // A decimal real with an optional sign, point and exponent, as a float; nothing when none is
  // there or it is beyond the float range. The words that "%f" prints for what is no finite
  // number read as well, in any case and with an optional sign: "nan" as a NaN of that sign,
  // "inf" and "infinity" as an infinity.
  std::optional<float> Real();

 private:
  void SkipBlanks();
  // Appends the digits that follow; returns how many.
  int TakeDigits(std::string& text);
  bool TakeIf(char wanted, std::string& text);
  bool TakeSign(std::string& text);
  // Takes the letters of the lower-case word as far as they match, in any case; true when all
  // of them did.
  bool TakeWord(std::string_view word);
  // "nan", "inf" or "infinity" after the sign.
  std::optional<float> NonFinite(bool negative);

  std::istream& in_;
};

}  // namespace zelto::files
