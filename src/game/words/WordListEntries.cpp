#include "game/words/WordListEntries.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

// The scan below looks at sixteen places at a time where the processor has SSE2; on
// any other processor it looks at one place at a time.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lexabit {

bool LineHoldsEntry(std::string_view line, std::string_view word) {
    return AnyEntryOfLine(line, [word](std::string_view entry) { return entry == word; });
}

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
char UpperCase(char c) {
    return IsLowerLetter(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

// A byte of the file stands for a byte of the word when its upper case is that byte.
// Setting bit 0x20 on both sides of a letter folds the two cases together; any other
// byte must match as it is.
struct ByteTest {
    explicit ByteTest(char wanted)
        : fold(IsUpperLetter(wanted) ? char{0x20} : char{0}),
          folded(static_cast<char>(wanted | fold)) {}
    bool Accepts(char c) const { return (c | fold) == folded; }
    char fold;
    char folded;
};

bool SpellsWordAt(std::string_view text, std::size_t start, std::string_view word) {
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (UpperCase(text[start + k]) != word[k]) {
            return false;
        }
    }
    return true;
}

// Whether the text at [start, start + length) can be a whole field: what stands before
// it may end a field or open one, what follows it may end one.
bool CouldBeWholeField(std::string_view text, std::size_t start, std::size_t length) {
    if (start > 0) {
        const char before = text[start - 1];
        if (!IsLineEnd(before) && before != ',' && before != ' ' && before != '\t' &&
            before != '"') {
            return false;
        }
    }
    // Blanks after an entry are no part of it.
    std::size_t after = start + length;
    while (after < text.size() && (text[after] == ' ' || text[after] == '\t')) {
        ++after;
    }
    return after == text.size() || IsLineEnd(text[after]) || text[after] == ',' ||
           text[after] == '"';
}

std::string UpperCaseLineAround(std::string_view text, std::size_t at) {
    std::size_t begin = at;
    while (begin > 0 && !IsLineEnd(text[begin - 1])) {
        --begin;
    }
    std::size_t end = at;
    while (end < text.size() && !IsLineEnd(text[end])) {
        ++end;
    }
    std::string line(text.substr(begin, end - begin));
    std::transform(line.begin(), line.end(), line.begin(), UpperCase);
    return line;
}

// The few places that pass the quick tests get their whole line read field by field.
bool HoldsEntryAt(std::string_view text, std::size_t start, std::string_view word) {
    return SpellsWordAt(text, start, word) && CouldBeWholeField(text, start, word.size()) &&
           LineHoldsEntry(UpperCaseLineAround(text, start), word);
}

// Looks at every place where the word's first and last bytes both fit, sixteen places
// at a time where the processor allows; only those places are checked in full.
class CandidateScan {
public:
    CandidateScan(std::string_view text, std::string_view word)
        : text_(text), word_(word), first_(word.front()), last_(word.back()) {}

    bool Run() const {
        std::size_t start = 0;
        const std::size_t span = word_.size() - 1;
#if defined(__SSE2__)
        const __m128i firstFold = _mm_set1_epi8(first_.fold);
        const __m128i firstWanted = _mm_set1_epi8(first_.folded);
        const __m128i lastFold = _mm_set1_epi8(last_.fold);
        const __m128i lastWanted = _mm_set1_epi8(last_.folded);
        for (; start + span + 16 <= text_.size(); start += 16) {
            const __m128i heads =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text_.data() + start));
            const __m128i tails =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text_.data() + start + span));
            const __m128i both =
                _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(heads, firstFold), firstWanted),
                              _mm_cmpeq_epi8(_mm_or_si128(tails, lastFold), lastWanted));
            auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(both));
            while (bits != 0) {
                const auto offset = static_cast<std::size_t>(std::countr_zero(bits));
                if (HoldsEntryAt(text_, start + offset, word_)) {
                    return true;
                }
                bits &= bits - 1;
            }
        }
#endif
        for (; start + span < text_.size(); ++start) {
            if (first_.Accepts(text_[start]) && last_.Accepts(text_[start + span]) &&
                HoldsEntryAt(text_, start, word_)) {
                return true;
            }
        }
        return false;
    }

private:
    std::string_view text_;
    std::string_view word_;
    ByteTest first_;
    ByteTest last_;
};

} // namespace

bool TextHoldsEntry(std::string_view text, std::string_view word) {
    if (word.empty() || std::any_of(word.begin(), word.end(), IsLowerLetter)) {
        return false; // no entry reads as that once it is in upper case
    }
    return CandidateScan(text, word).Run();
}

} // namespace lexabit
