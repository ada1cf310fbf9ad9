#include "operations/correct_repairs.h"

#include "subtitle/subtitle_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace lumetra {
namespace {

// The cases write a line break as "|", as MicroDVD does.
std::string Breaks(std::string text) {
  std::replace(text.begin(), text.end(), '|', kLineBreak);
  return text;
}
std::string Bars(std::string text) {
  std::replace(text.begin(), text.end(), kLineBreak, '|');
  return text;
}

struct Case {
  std::string input;
  std::string expected;
  long long count;
};

void ExpectCases(const std::vector<Case>& cases,
                 const std::function<RepairedText(const std::string&)>& repair) {
  for (const auto& c : cases) {
    const RepairedText result = repair(Breaks(c.input));
    EXPECT_EQ(Bars(result.text), c.expected) << "input \"" << c.input << "\"";
    EXPECT_EQ(result.count, c.count) << "input \"" << c.input << "\"";
  }
}

// clang-format off
TEST(QuoteRepair, PairsOfApostrophesBecomeOneDoubleQuoteCountingTwo) {
  ExpectCases({{"", "", 0}, {"'", "'", 0}, {"''", "\"", 2}, {"'''", "\"'", 2},
               {"''''", "\"\"", 4}, {"He said ''go''.", "He said \"go\".", 4}, {"' '", "' '", 0},
               {"it's", "it's", 0}, {"|''|", "|\"|", 2}},
              RepairQuotes);
}

TEST(FullStopRepair, RemovesOneFullStopBehindEachQuestionOrExclamationMark) {
  ExpectCases({{"", "", 0}, {".", ".", 0}, {"!.", "!", 1}, {"?.", "?", 1}, {".?", ".?", 0},
               {"?..", "?.", 1}, {"?.?.", "??", 2}, {"Wait!.", "Wait!", 1}, {"...", "...", 0},
               {"?!", "?!", 0}, {"?|.", "?|.", 0}, {"Why?. No!.|", "Why? No!|", 2}},
              RepairFullStops);
}

TEST(DigitSpaceRepair, RemovesSingleSpacesBetweenDigits) {
  ExpectCases({{"", "", 0}, {"1", "1", 0}, {"1 ", "1 ", 0}, {" 1", " 1", 0}, {"1 2", "12", 1},
               {"1 2 3", "123", 2}, {"a 1 2 3 b", "a 123 b", 2}, {"12 3", "123", 1},
               {"1  2", "1  2", 0}, {"ab 1 2", "ab 12", 1}, {"at 5 pm", "at 5 pm", 0},
               {"1, 2", "1, 2", 0}, {"1-2", "1-2", 0}, {"1|2", "1|2", 0},
               {"1 2 3 4 5", "12345", 4}, {"x1 2", "x12", 1}, {"1 2|3 4", "12|34", 2}},
              RepairDigitSpaces);
}
// clang-format on

// Cases the whole chain cannot reach: the quote repair runs first, and the second pass
// writes some changes back.
TEST(IlFirstPass, CasesHiddenByTheRestOfTheChain) {
  ExpectCases({{"x''lo", "x''Io", 1},  // L2
               {"''Ia", "''Ia", 0},    // I4 not after two apostrophes
               {"Mr SMITH", "Mr SMlTH", 1},
               {"AB-I", "AB-l", 1}},
              [](const std::string& t) { return RepairIlFirstPass(t, CorrectLanguage::English); });
}

// The second pass on its own, with inputs the first pass would otherwise change.
TEST(IlSecondPass, CapitalsAroundSmallLAndTheWordAll) {
  // clang-format off
  ExpectCases({
      {"", "", 0}, {"l", "l", 0}, {"Al", "Al", 0},  // two characters or fewer are left alone
      {"Hello l am", "Hello I am", 1}, {"Mr SMlTH", "Mr SMITH", 1},  // D1
      {"A[lB", "A[IB", 1},      // "[" counts among the capitals
      {"ABll", "ABII", 2},      // D1 before "l", then D3
      {"x  l y", "x  l y", 0},  // D1, and D2 takes it back (-1)
      {"| Il est", "| Il est", 0},
      {"x l", "x l", 0},        // D1 not at the last place
      {"ABCl", "ABCI", 1}, {"aBCl", "aBCl", 0}, {"AB[l", "AB[I", 1},  // D3
      {"A[Bl", "A[Bl", 0},      // D3 wants two letters, "[" is none
      {"OKl", "OKl", 0},
      {"all", "all", 2},        // E1 counts even when nothing changes
      {"AII", "All", 2}, {"aIl,", "all,", 2}, {"aIlx", "allx", 2},
      {"aIl.", "aII.", 1},      // D1 before "."; E1 does not end the word there
      {"aIlX", "aIIX", 1}, {"alI.", "alI.", 0},
      {"We all go", "We all go", 2},  // E2
      {"-aIl-", "-all-", 3},          // D1, then E2 (+2)
      {"x alI.", "x all.", 2},
      {"xalI ", "xalI ", 0},          // E2 only after SP, "|" or "-"
      {"|AIl", "|All", 2},
      {"We aIlX", "We aIIX", 1},      // D1 only: E2 does not end the word at "X"
      {"all all", "all all", 4}},
      RepairIlSecondPass);
  // clang-format on
}

struct ChainCase {
  std::string input;
  std::string english;
  long long englishCount;
  const char* french = nullptr;  // nullptr: as in English
  long long frenchCount = 0;
};

// One entry through every repair, in both languages; the counts include steps that write
// the character already there.
TEST(CorrectChain, EveryRuleInBothLanguages) {
  // clang-format off
  const std::vector<ChainCase> cases = {
      // Texts of length 0 to 3 and "|" at either end.
      {"l|", "I|", 1}, {"|l", "|I", 1}, {"l ", "I ", 1}, {" l", " I", 1}, {"la", "la", 0},
      {"1 2", "12", 1}, {"?.l", "?l", 1}, {"!.l", "!l", 1}, {"lll", "Ill", 1},
      {"|l|", "|l|", 0}, {"|I|", "|l|", 1}, {"l|l", "I|l", 1}, {"|AII|", "|All|", 5},
      {"|Hello l am|", "|Hello I am|", 1},
      // Start of the text, A1 to A3 and A5.
      {"lt's", "It's", 1}, {"l'homme", "I'homme", 1},  // A1 does not look at the language
      {"HIM", "HIM", 2},                               // A2, A3 writes "I" back
      {"WIll", "Wlll", 1},                             // A3 needs a capital after it
      {"-lt", "-It", 1}, {" lt", " It", 1}, {"\"It\"", "\"It\"", 0}, {"'It'", "'It'", 0},
      {"|lt|", "|lt|", 0}, {"so l", "so I", 1},
      // Small "l" to capital "I": L1 to L5; only L4 looks at the language.
      {"a -l.", "a -I.", 2, "a -I.", 1}, {"x.-l.", "x.-I.", 3, "x.-I.", 2},
      {"a -lx", "a -lx", 2}, {"Yes. l think", "Yes. I think", 2, "Yes. I think", 1},
      {"\" l\"", "\" I\"", 2, "\" I\"", 1}, {".|lx", ".|Ix", 1},
      {"Hello l am", "Hello I am", 1},  // L4 in English, D1 in French
      {"Et l'homme", "Et I'homme", 1, "Et l'homme", 0}, {"Hi|l am", "Hi|I am", 1, "Hi|l am", 0},
      {"x  l y", "x  I y", 1, "x  l y", 0},  // French: D1 fires, D2 undoes it
      {"Wait!. l go", "Wait! I go", 3, "Wait! I go", 2}, {"xy.lt", "xy.It", 1},
      {"ab?lo", "ab?Io", 1}, {"ab\"lo", "ab\"Io", 1}, {".lt", ".lt", 0}, {"x.lt", "x.lt", 0},
      {"Ok...lt", "Ok...lt", 0}, {"Ok...lT", "Ok...IT", 1}, {"xy.l", "xy.I", 1},
      {"Ok...l", "Ok...I", 1}, {"all", "all", 2}, {"OKl", "OKl", 0},
      // Capital "I" to small "l": I1 to I5, and the second pass writing some back.
      {"abIc", "ablc", 1}, {"Mr SMITH", "Mr SMITH", 2}, {"We aII go", "We all go", 4},
      {"We all go", "We all go", 2}, {"AII", "All", 5}, {"AII.", "AII.", 4},
      {"We AII.", "We All.", 6}, {"the Iast", "the last", 1}, {"a -Iot", "a -lot", 1},
      {"end. Ia", "end. Ia", 0}, {"say I am", "say I am", 0}, {"| Il est", "| Il est", 0},
      {"Oh, Iet me", "Oh, let me", 2}, {"Oh, IT", "Oh, IT", 2}, {"x'Ia", "x'la", 1},
      {"Ok...Ia", "Ok...la", 1}, {"Ok...IA", "Ok...IA", 0}, {"Oh I", "Oh I", 2},
      {"AB-I", "AB-I", 2},
  };
  // clang-format on
  // Markup around the text changes nothing of what the repairs do to it.
  const std::vector<std::pair<std::string, std::string>> wrappings = {
      {"", ""}, {"<i>", "</i>"}, {"{\\an8}<font color=\"#ff0000\">", "</font>"}};
  for (const auto& c : cases) {
    for (const auto language : {CorrectLanguage::English, CorrectLanguage::French}) {
      for (const auto& [open, close] : wrappings) {
        const bool french = language == CorrectLanguage::French && c.french != nullptr;
        CorrectSettings settings;
        settings.language = language;
        const RepairedText result = RepairEntryText(Breaks(open + c.input + close), settings);
        const std::string name =
            (language == CorrectLanguage::French ? "French " : "English ") + open + c.input + close;
        EXPECT_EQ(Bars(result.text), open + (french ? c.french : c.english) + close) << name;
        EXPECT_EQ(result.count, french ? c.frenchCount : c.englishCount) << name;
      }
    }
  }
}

// Each character is judged by its neighbours in the text without markup; markup stays byte
// for byte, and goes nowhere with a character that a repair removes.
TEST(CorrectChain, MarkupIsNotText) {
  const std::vector<Case> cases = {
      {"<i>I gave</i>", "<i>I gave</i>", 0},  // a tag before a capital
      {"<i>All</i>", "<i>All</i>", 2},        // E1 counts, nothing changes
      {"<i>lt's</i> fine", "<i>It's</i> fine", 1},
      {"H<b>I</b>M", "H<b>I</b>M", 2},    // a tag inside a word: A2, A3 writes "I" back
      {"{\\an8}lt's", "{\\an8}It's", 1},  // override block
      {"{y:i}Inżynierka|{c:$0000ff}ISS", "{y:i}Inżynierka|{c:$0000ff}ISS", 0},
      {"/ISS", "/ISS", 0},                  // the italic marker
      {"Go.|/l think", "Go.|/I think", 2},  // L3 and L4 across the marker
      {"<font color=\"blue\">l am</font>", "<font color=\"blue\">I am</font>", 1},
      {"<i>''</i>Go''", "<i>\"</i>Go\"", 4},  // quotes across a tag
      {"Why?<i>.</i>", "Why?<i></i>", 1},     // full stop across a tag
      {"<b>1</b> 2", "<b>1</b>2", 1},         // digit space across a tag
      {"a/Il", "a/ll", 1},                    // "/" inside a line is text: I1
      {"x <b l", "x <b I", 1},                // "<" that closes nothing is text: A5
      {"{1}lt", "{1}lt", 0},                  // "{" without ":" or "\\" is text
  };
  ExpectCases(cases, [](const std::string& t) { return RepairEntryText(t, CorrectSettings{}); });
}

// A text longer than several scan chunks, with every repair firing near chunk boundaries.
TEST(CorrectChain, LongTextsAsShortOnes) {
  for (int pad = 0; pad < 40; ++pad) {
    const std::string x(static_cast<std::size_t>(pad), 'x');
    const RepairedText result = RepairEntryText(
        Breaks("Hi " + x + " l am, Oh, Iet me. We aII go?. 1 2 3 Mr SMITH ''ok''|<i>lt's</i>" + x),
        CorrectSettings{});
    EXPECT_EQ(Bars(result.text),
              "Hi " + x + " I am, Oh, let me. We all go? 123 Mr SMITH \"ok\"|<i>It's</i>" + x)
        << pad;
    EXPECT_EQ(result.count, 17) << pad;
  }
}

TEST(CorrectChain, EachSwitchRunsOnlyItsRepair) {
  const std::string text = "lt''s?. 1 2";
  const CorrectSettings off{false, false, false, false, CorrectLanguage::French};
  struct SwitchCase {
    bool CorrectSettings::*flag;
    std::string expected;
    long long count;
  };
  const std::vector<SwitchCase> cases = {{&CorrectSettings::quotes, "lt\"s?. 1 2", 2},
                                         {&CorrectSettings::il, "It''s?. 1 2", 1},
                                         {&CorrectSettings::fullStops, "lt''s? 1 2", 1},
                                         {&CorrectSettings::digitSpaces, "lt''s?. 12", 1}};
  for (const auto& c : cases) {
    CorrectSettings settings = off;
    settings.*c.flag = true;
    const RepairedText result = RepairEntryText(text, settings);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.count, c.count);
  }
  EXPECT_EQ(RepairEntryText(text, CorrectSettings{}).text, "It\"s? 12");
  EXPECT_EQ(RepairEntryText(text, CorrectSettings{}).count, 5);
  for (const std::string t : {"", "l", "''", "?.", "1 2", "HIM", "aII", "|l am|", text.c_str()}) {
    EXPECT_EQ(RepairEntryText(Breaks(t), off).text, Breaks(t));
    EXPECT_EQ(RepairEntryText(t, off).count, 0);
  }
}

}  // namespace
}  // namespace lumetra
