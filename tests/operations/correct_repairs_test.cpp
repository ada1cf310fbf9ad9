#include "operations/correct_repairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumetra {
namespace {

constexpr auto kEnglish = CorrectLanguage::English;
constexpr auto kFrench = CorrectLanguage::French;

struct Case {
  std::string input;
  std::string expected;
  long long count;
};

std::string Shown(const std::string& text) {
  return "\"" + text + "\"";
}

// The whole chain with every repair on, as one entry of the operation sees it.
RepairedText AllOn(const std::string& text, CorrectLanguage language) {
  CorrectSettings settings;
  settings.language = language;
  return RepairEntryText(text, settings);
}

template <typename Repair>
void ExpectCases(const std::vector<Case>& cases, Repair repair) {
  for (const auto& c : cases) {
    const RepairedText result = repair(c.input);
    EXPECT_EQ(result.text, c.expected) << "input " << Shown(c.input);
    EXPECT_EQ(result.count, c.count) << "input " << Shown(c.input);
  }
}

void ExpectChain(const std::vector<Case>& cases, CorrectLanguage language) {
  ExpectCases(cases, [language](const std::string& text) { return AllOn(text, language); });
}

// --- Quote repair -----------------------------------------------------------------------

TEST(QuoteRepair, PairsOfApostrophesBecomeOneDoubleQuoteCountingTwo) {
  ExpectCases(
      {
          {"", "", 0},
          {"'", "'", 0},
          {"''", "\"", 2},
          {"'''", "\"'", 2},
          {"''''", "\"\"", 4},
          {"He said ''go''.", "He said \"go\".", 4},
          {"' '", "' '", 0},
          {"it's", "it's", 0},
          {"|''|", "|\"|", 2},
      },
      RepairQuotes);
}

// --- Full-stop repair -------------------------------------------------------------------

TEST(FullStopRepair, RemovesOneFullStopBehindEachQuestionOrExclamationMark) {
  ExpectCases(
      {
          {"", "", 0},
          {".", ".", 0},
          {"!.", "!", 1},
          {"?.", "?", 1},
          {".?", ".?", 0},
          {"?..", "?.", 1},
          {"?.?.", "??", 2},
          {"Wait!.", "Wait!", 1},
          {"...", "...", 0},
          {"?!", "?!", 0},
          {"?|.", "?|.", 0},
          {"Why?. No!.|", "Why? No!|", 2},
      },
      RepairFullStops);
}

// --- Digit-space repair -----------------------------------------------------------------

TEST(DigitSpaceRepair, RemovesSingleSpacesBetweenDigits) {
  ExpectCases(
      {
          {"", "", 0},
          {"1", "1", 0},
          {"1 ", "1 ", 0},
          {" 1", " 1", 0},
          {"1 2", "12", 1},
          {"1 2 3", "123", 2},
          {"a 1 2 3 b", "a 123 b", 2},
          {"12 3", "123", 1},
          {"1  2", "1  2", 0},
          {"ab 1 2", "ab 12", 1},
          {"at 5 pm", "at 5 pm", 0},
          {"1, 2", "1, 2", 0},
          {"1-2", "1-2", 0},
          {"1|2", "1|2", 0},
          {"1 2 3 4 5", "12345", 4},
          {"x1 2", "x12", 1},
          {"1 2|3 4", "12|34", 2},
      },
      RepairDigitSpaces);
}

// --- I/l first pass ---------------------------------------------------------------------

TEST(IlFirstPass, ShortTexts) {
  for (const auto language : {kEnglish, kFrench}) {
    ExpectCases(
        {
            {"", "", 0},
            {"l", "I", 1},
            {"I", "I", 0},
            {"x", "x", 0},
            {"l.", "I.", 1},
            {"l|", "I|", 1},
            {"la", "la", 0},
            {"ll", "ll", 0},
            {" l", " I", 1},
            {"|l", "|I", 1},
            {"al", "al", 0},
            {"l l", "I I", 2},  // A1, then A5
        },
        [language](const std::string& t) { return RepairIlFirstPass(t, language); });
  }
}

TEST(IlFirstPass, StartOfTextStepsA1ToA3) {
  ExpectCases(
      {
          {"lt's", "It's", 1},        // A1
          {"l'homme", "I'homme", 1},  // A1 does not look at the language
          {"HIM", "HIM", 2},          // A2 writes "l", A3 writes "I" back before a capital
          {"WIll", "Wlll", 1},        // A2; A3 needs a capital after it
          {"-lt", "-It", 1},          // A3 after a dash
          {" lt", " It", 1},          // A3 after a space
          {"\"It\"", "\"It\"", 0},    // A2 not after a double quote
          {"'It'", "'It'", 0},        // nor after an apostrophe
          {"|I|", "|l|", 1},          // "|" is not among A2's exceptions
          {"|lt|", "|lt|", 0},        // nor among A3's
          {"lll", "Ill", 1},
      },
      [](const std::string& t) { return RepairIlFirstPass(t, kEnglish); });
}

TEST(IlFirstPass, SmallLBecomesCapitalI) {
  struct LanguageCase {
    std::string input;
    std::string english;
    long long englishCount;
    std::string french;
    long long frenchCount;
  };
  const std::vector<LanguageCase> cases = {
      {"a -l.", "a -I.", 2, "a -I.", 1},                       // L1 (+ L4 in English)
      {"x.-l.", "x.-I.", 3, "x.-I.", 2},                       // L1 and L3 on one "l" (+ L4)
      {"a -lx", "a -lx", 2, "a -lx", 2},                       // L1, then I2 takes it back
      {"x''lo", "x''Io", 1, "x''Io", 1},                       // L2
      {"Yes. l think", "Yes. I think", 2, "Yes. I think", 1},  // L3 (+ L4)
      {"\" l\"", "\" I\"", 2, "\" I\"", 1},                    // L3 after a double quote (+ L4)
      {".|lx", ".|Ix", 1, ".|Ix", 1},                          // L3 after "|"
      {"Hello l am", "Hello I am", 1, "Hello l am", 0},        // L4
      {"Et l'homme", "Et I'homme", 1, "Et l'homme", 0},        // L4 before an apostrophe
      {"Hi|l am", "Hi|I am", 1, "Hi|l am", 0},                 // L4 after "|"
      {"x  l y", "x  I y", 1, "x  l y", 0},
      {"xy.lt", "xy.It", 1, "xy.It", 1},  // L5
      {"ab?lo", "ab?Io", 1, "ab?Io", 1},
      {"ab\"lo", "ab\"Io", 1, "ab\"Io", 1},
      {".lt", ".lt", 0, ".lt", 0},  // L5 needs k >= 3
      {"x.lt", "x.lt", 0, "x.lt", 0},
      {"Ok...lt", "Ok...lt", 0, "Ok...lt", 0},  // not after "..." before a small letter
      {"Ok...lT", "Ok...IT", 1, "Ok...IT", 1},
      {"xy.l", "xy.I", 1, "xy.I", 1},  // nothing after the "l" is no small letter
      {"Ok...l", "Ok...I", 1, "Ok...I", 1},
      {"so l", "so I", 1, "so I", 1},  // A5; L4 sees no word end after the text
      {"l|l", "I|l", 1, "I|l", 1},     // A5 only after a space
      {"all", "all", 0, "all", 0},
  };
  for (const auto& c : cases) {
    const RepairedText english = RepairIlFirstPass(c.input, kEnglish);
    EXPECT_EQ(english.text, c.english) << "English " << Shown(c.input);
    EXPECT_EQ(english.count, c.englishCount) << "English " << Shown(c.input);
    const RepairedText french = RepairIlFirstPass(c.input, kFrench);
    EXPECT_EQ(french.text, c.french) << "French " << Shown(c.input);
    EXPECT_EQ(french.count, c.frenchCount) << "French " << Shown(c.input);
  }
}

TEST(IlFirstPass, CapitalIBecomesSmallL) {
  ExpectCases(
      {
          {"abIc", "ablc", 1},          // I1
          {"Mr SMITH", "Mr SMlTH", 1},  // I1; the second pass writes it back
          {"We aII go", "We all go", 2},
          {"the Iast", "the last", 1},  // I2
          {"a -Iot", "a -lot", 1},
          {"end. Ia", "end. Ia", 0},    // I2 not after a sentence end
          {"say I am", "say I am", 0},  // nor before a word end
          {"| Il est", "| Il est", 0},
          {"Oh, Iet me", "Oh, let me", 2},  // I2 and I3
          {"Oh, IT", "Oh, lT", 1},          // I2 alone: I3 needs a small letter after
          {"x'Ia", "x'la", 1},              // I4
          {"''Ia", "''Ia", 0},
          {"Ok...Ia", "Ok...la", 1},  // I5
          {"Ok...IA", "Ok...IA", 0},
          // Nothing after the text is no word end, so I2 fires on a last "I"; A5 writes
          // it back.
          {"Oh I", "Oh I", 2},
          {"AB-I", "AB-l", 1},
      },
      [](const std::string& t) { return RepairIlFirstPass(t, kEnglish); });
}

// --- I/l second pass --------------------------------------------------------------------

TEST(IlSecondPass, CapitalsAroundSmallL) {
  ExpectCases(
      {
          {"", "", 0},
          {"l", "l", 0},  // texts of two characters or fewer are left alone
          {"Al", "Al", 0},
          {"Hello l am", "Hello I am", 1},  // D1
          {"Mr SMlTH", "Mr SMITH", 1},
          {"A[lB", "A[IB", 1},      // "[" counts among the capitals
          {"ABll", "ABII", 2},      // D1 before "l", then D3
          {"x  l y", "x  l y", 0},  // D1, and D2 takes it back (-1)
          {"| Il est", "| Il est", 0},
          {"x l", "x l", 0},    // D1 not at the last place
          {"ABCl", "ABCI", 1},  // D3
          {"aBCl", "aBCl", 0},
          {"AB[l", "AB[I", 1},
          {"A[Bl", "A[Bl", 0},  // D3 wants two letters, "[" is none
          {"OKl", "OKl", 0},
      },
      RepairIlSecondPass);
}

TEST(IlSecondPass, TheWordAll) {
  ExpectCases(
      {
          {"all", "all", 2},  // E1 counts even when nothing changes
          {"AII", "All", 2},
          {"aIl,", "all,", 2},
          {"aIlx", "allx", 2},
          {"aIl.", "aII.", 1},  // D1 before "."; E1 does not end the word there
          {"aIlX", "aIIX", 1},
          {"alI.", "alI.", 0},
          {"We all go", "We all go", 2},  // E2
          {"-aIl-", "-all-", 3},          // D1, then E2 (+2)
          {"x alI.", "x all.", 2},
          {"xalI ", "xalI ", 0},  // E2 only after SP, "|" or "-"
          {"|AIl", "|All", 2},
          {"We aIlX", "We aIIX", 1},  // D1 only: E2 does not end the word at "X"
          {"all all", "all all", 4},
      },
      RepairIlSecondPass);
}

// --- The chain --------------------------------------------------------------------------

TEST(CorrectChain, ExamplesInBothLanguages) {
  const std::vector<Case> same = {
      {"", "", 0},
      {"lt's", "It's", 1},
      {"l'homme", "I'homme", 1},
      {"Hello l am", "Hello I am", 1},  // L4 in English, D1 in French
      {"Mr SMITH", "Mr SMITH", 2},
      {"HIM", "HIM", 2},
      {"WIll", "Wlll", 1},
      {"Oh, Iet me", "Oh, let me", 2},
      {"the Iast", "the last", 1},
      {"We all go", "We all go", 2},
      {"We aII go", "We all go", 4},
      {"AII", "All", 5},
      {"AII.", "AII.", 4},
      {"We AII.", "We All.", 6},
      {"l", "I", 1},
      {"l.", "I.", 1},
      {"la", "la", 0},
      {"so l", "so I", 1},
      {"OKl", "OKl", 0},
      {"xy.lt", "xy.It", 1},
      {".lt", ".lt", 0},
      {"x.lt", "x.lt", 0},
      {"Ok...lt", "Ok...lt", 0},
      {"Ok...lT", "Ok...IT", 1},
      {"| Il est", "| Il est", 0},
      {"Oh, IT", "Oh, IT", 2},
  };
  ExpectChain(same, kEnglish);
  ExpectChain(same, kFrench);

  ExpectChain({{"Et l'homme", "Et I'homme", 1},
               {"Yes. l think", "Yes. I think", 2},
               {"x  l y", "x  I y", 1},
               {"Wait!. l go", "Wait! I go", 3},
               {"Hi|l am", "Hi|I am", 1}},
              kEnglish);
  ExpectChain({{"Et l'homme", "Et l'homme", 0},
               {"Yes. l think", "Yes. I think", 1},
               {"x  l y", "x  l y", 0},
               {"Wait!. l go", "Wait! I go", 2},
               {"Hi|l am", "Hi|l am", 0}},
              kFrench);
}

TEST(CorrectChain, ShortTextsAndLineBreaksAtBothEnds) {
  const std::vector<Case> cases = {
      {"", "", 0},           {"l", "I", 1},
      {"'", "'", 0},         {"ll", "ll", 0},
      {" l", " I", 1},       {"l ", "I ", 1},
      {"|l", "|I", 1},       {"l|", "I|", 1},
      {"''", "\"", 2},       {"l l", "I I", 2},
      {"''l", "\"l", 2},     {"1 2", "12", 1},
      {"?.l", "?l", 1},      {"!.l", "!l", 1},
      {"lll", "Ill", 1},     {"|l|", "|l|", 0},
      {"|I|", "|l|", 1},     {"l|l", "I|l", 1},
      {"|AII|", "|All|", 5}, {"|Hello l am|", "|Hello I am|", 1},
  };
  ExpectChain(cases, kEnglish);
  ExpectChain(cases, kFrench);
}

TEST(CorrectChain, EachSwitchRunsOnlyItsRepair) {
  const std::string text = "lt''s?. 1 2";
  struct SwitchCase {
    const char* name;
    CorrectSettings settings;
    std::string expected;
    long long count;
  };
  const CorrectSettings off{false, false, false, false, kEnglish};
  auto with = [off](auto change) {
    CorrectSettings s = off;
    change(s);
    return s;
  };
  const std::vector<SwitchCase> cases = {
      {"none", off, text, 0},
      {"quotes", with([](CorrectSettings& s) { s.quotes = true; }), "lt\"s?. 1 2", 2},
      {"I/l", with([](CorrectSettings& s) { s.il = true; }), "It''s?. 1 2", 1},
      {"full stops", with([](CorrectSettings& s) { s.fullStops = true; }), "lt''s? 1 2", 1},
      {"digit spaces", with([](CorrectSettings& s) { s.digitSpaces = true; }), "lt''s?. 12", 1},
      {"all", CorrectSettings{}, "It\"s? 12", 5},
  };
  for (const auto& c : cases) {
    const RepairedText result = RepairEntryText(text, c.settings);
    EXPECT_EQ(result.text, c.expected) << c.name;
    EXPECT_EQ(result.count, c.count) << c.name;
  }
}

TEST(CorrectChain, AllSwitchesOffLeavesEveryTextAlone) {
  const CorrectSettings off{false, false, false, false, kFrench};
  for (const std::string text : {"", "l", "''", "?.", "1 2", "HIM", "aII", "|l am|"}) {
    const RepairedText result = RepairEntryText(text, off);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.count, 0);
  }
}

}  // namespace
}  // namespace lumetra
