// The two passes of the I/l repair. The first fixes the start of a text (rules A1 to A3),
// then every "l" (L1 to L5) and "I" (I1 to I5) in turn, then its end (A5); the second fixes
// an "l" among capitals (D1 to D3) and the word "all" (E1, E2). Each rule is labelled where
// it is applied, and its tests use the same label. The line break between display lines is
// '\n' (kLineBreak); a "|" is an ordinary character.
#include "operations/correct_repairs.h"
#include "operations/correct_working_text.h"

namespace lumetra {
namespace {

using namespace correct_detail;

// Characters after which an "l" may be a capital "I" (the L1 to L4 group).
constexpr std::string_view kBeforeCapitalI = " \n'-";

// A: the "l" part of the scan at position k.
void RepairSmallL(WorkingText& t, long k, CorrectLanguage language, long long& count) {
  const char p = t[k - 1];
  if (!Is(p, kIlNeighbour)) {
    return;  // nothing below fires: most "l" stand inside a word
  }
  const char q = t[k - 2];
  const char r = t[k + 1];
  if (OneOf(p, kBeforeCapitalI)) {
    if (p == '-' && OneOf(q, "\n .!?")) {  // L1
      t.write(k, 'I', count);
    }
    if (p == '\'' && q == '\'') {  // L2
      t.write(k, 'I', count);
    }
    if (p != '\'') {
      if (OneOf(q, ".?!\"-")) {  // L3
        t.write(k, 'I', count);
      }
      if (language == CorrectLanguage::English && IsWordEnd(r)) {  // L4
        t.write(k, 'I', count);
      }
    }
    return;
  }
  const bool afterEllipsisBeforeSmall =
      t[k - 1] == '.' && t[k - 2] == '.' && t[k - 3] == '.' && IsSmallLetter(r);
  if (OneOf(p, ".?!\"") && k >= 3 && !afterEllipsisBeforeSmall) {  // L5
    t.write(k, 'I', count);
  }
}

// A: the "I" part of the scan at position k; sees what the "l" part wrote.
void RepairCapitalI(WorkingText& t, long k, long long& count) {
  const char p = t[k - 1];
  if (!Is(p, kIlNeighbour)) {  // I1
    t.write(k, 'l', count);
    return;
  }
  const char q = t[k - 2];
  const char r = t[k + 1];
  const bool wordGoesOn = (p == kSpace || p == '-') && !IsWordEnd(r);
  if (wordGoesOn && !OneOf(q, ".?!-\n")) {  // I2
    t.write(k, 'l', count);
  }
  if (wordGoesOn && q == ',' && IsSmallLetter(r)) {  // I3
    t.write(k, 'l', count);
  }
  if (p == '\'' && q != '\'') {  // I4
    t.write(k, 'l', count);
  }
  if (k >= 3 && t[k - 1] == '.' && t[k - 2] == '.' && t[k - 3] == '.' && IsSmallLetter(r)) {  // I5
    t.write(k, 'l', count);
  }
}

void FirstPassLongText(WorkingText& t, CorrectLanguage language, long long& count) {
  const long n = t.size();
  if (t[0] == 'l') {  // A1
    t.write(0, 'I', count);
  }
  if (t[1] == 'I' && !OneOf(t[0], "- \"'")) {  // A2
    t.write(1, 'l', count);
  }
  if (t[1] == 'l' && (IsCapitalCodeFromB(t[2]) || t[0] == '-' || t[0] == kSpace)) {  // A3
    t.write(1, 'I', count);
  }
  // A4: every "l" and "I" from the third place on; the scan writes only these two letters.
  const auto repair = [&](long k) {
    if (t[k] == 'l') {
      RepairSmallL(t, k, language, count);
    }
    if (t[k] == 'I') {
      RepairCapitalI(t, k, count);
    }
  };
  t.forEach(
      2, [](const char* p) { return Equal(p, 'l', 'I'); }, repair);
  if (t[n - 1] == 'l' && t[n - 2] == kSpace) {  // A5
    t.write(n - 1, 'I', count);
  }
}

// B: a text of two characters.
void FirstPassTwoCharacters(WorkingText& t, long long& count) {
  constexpr std::string_view kNeighbours = " \n-.!?";
  if (t[0] == 'l') {
    if (OneOf(t[1], kNeighbours)) {
      t.write(0, 'I', count);
    }
  } else if (t[1] == 'l' && OneOf(t[0], kNeighbours)) {
    t.write(1, 'I', count);
  }
}

// D: "l" between capitals (or at a word edge next to one) becomes "I".
void SecondPassCapitals(WorkingText& t, long long& count) {
  const long n = t.size();
  const auto repair = [&](long k) {
    if (!Is(t[k - 1], kBeforeCapitalsL)) {
      return;
    }
    const char r = t[k + 1];
    if (k < n - 1 && Is(r, kAfterCapitalsL)) {  // D1
      t.write(k, 'I', count);
      if (OneOf(t[k - 2], " \n") && r == kSpace) {  // D2
        t.write(k, 'l', count, -1);
      }
    }
    if (k == n - 1 && IsCapitalLetter(t[k - 2]) && IsCapitalLetter(t[k - 3])) {  // D3
      t.write(k, 'I', count);
    }
  };
  t.forEach(
      2, [](const char* p) { return Equal(p, 'l'); }, repair);
}

bool IsAllAt(const WorkingText& t, long j) {
  return (t[j] == 'A' || t[j] == 'a') && OneOf(t[j + 1], "Il") && OneOf(t[j + 2], "Il");
}

void WriteAll(WorkingText& t, long j, long long& count) {
  t.write(j + 1, 'l', count, 0);
  t.write(j + 2, 'l', count, 2);
}

// E: the word "all" spelled with "I" in any of its last two places.
void SecondPassAll(WorkingText& t, long long& count) {
  const long n = t.size();
  if (IsAllAt(t, 0) && (n == 3 || OneOf(t[3], " ,\n") || IsSmallLetter(t[3]))) {  // E1
    WriteAll(t, 0, count);
  }
  // E2: only where "all" is spelled, which no write of this pass changes.
  const auto repair = [&](long j) {
    if (j > n - 3 || !OneOf(t[j - 1], " \n-")) {
      return;
    }
    if (j == n - 3 || OneOf(t[j + 3], " ,!.?\n-") || IsSmallLetter(t[j + 3])) {
      WriteAll(t, j, count);
    }
  };
  t.forEach(1, SpelledAll, repair);
}

}  // namespace

namespace correct_detail {

long long RepairIlFirstPass(WorkingText& t, CorrectLanguage language) {
  long long count = 0;
  if (t.size() >= 3) {
    FirstPassLongText(t, language, count);
  } else if (t.size() == 2) {
    FirstPassTwoCharacters(t, count);
  } else if (t.size() == 1 && t[0] == 'l') {  // C
    t.write(0, 'I', count);
  }
  return count;
}

long long RepairIlSecondPass(WorkingText& t, bool mayHoldAll) {
  long long count = 0;
  if (t.size() > 2) {
    SecondPassCapitals(t, count);
    if (mayHoldAll) {
      SecondPassAll(t, count);
    }
  }
  return count;
}

}  // namespace correct_detail

}  // namespace lumetra
