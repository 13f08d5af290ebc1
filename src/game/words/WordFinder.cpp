#include "game/words/WordFinder.h"

#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"
#include "game/words/Dictionary.h"
#include "game/words/WordListEntries.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace lexabit {

namespace {

constexpr std::size_t FewestCards = 2;

std::optional<int> LetterNumberOf(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a';
    }
    return std::nullopt;
}

bool Ranks(const FoundWord& better, const FoundWord& worse) {
    return better.Points != worse.Points ? better.Points > worse.Points : better.Word < worse.Word;
}

// Keeps the best few words seen so far, best first, each word once.
class BestWords {
public:
    explicit BestWords(std::size_t limit) : limit_(limit) {}

    bool WouldKeep(int points) const {
        return words_.size() < limit_ || (limit_ > 0 && points >= words_.back().Points);
    }

    void Offer(FoundWord found) {
        if (std::any_of(words_.begin(), words_.end(),
                        [&](const FoundWord& kept) { return kept.Word == found.Word; })) {
            return; // a word listed twice, perhaps in two letter cases
        }
        const auto place = std::lower_bound(words_.begin(), words_.end(), found, Ranks);
        words_.insert(place, std::move(found));
        if (words_.size() > limit_) {
            words_.pop_back();
        }
    }

    std::vector<FoundWord> Take() { return std::move(words_); }

private:
    std::size_t limit_;
    std::vector<FoundWord> words_;
};

class EntryTest {
public:
    EntryTest(std::string_view start, const LetterTally& atHand)
        : start_(start), atHand_(atHand), inLine_(atHand),
          longest_(start.size() +
                   static_cast<std::size_t>(std::accumulate(atHand.begin(), atHand.end(), 0))) {
        for (const char c : start) {
            if (const std::optional<int> letter = LetterNumberOf(c)) {
                ++inLine_[static_cast<std::size_t>(*letter)];
            }
        }
    }

    // A quick look that passes every line that may hold a word that can be laid: one
    // with a comma or a quote may hold several entries and is always read in full; any
    // other holds one entry, made of its letters and perhaps blanks or marks that
    // reading leaves out, so its letters must all be at hand.
    bool MayHoldOne(std::string_view line) const {
        LetterTally left = inLine_;
        for (const char c : line) {
            if (c == ',' || c == '"') {
                return true;
            }
            const std::optional<int> letter = LetterNumberOf(c);
            if (letter && --left[static_cast<std::size_t>(*letter)] < 0) {
                return false;
            }
        }
        return true;
    }

    // The entry in capitals when it can be laid; nothing otherwise.
    std::optional<std::string> Layable(std::string_view entry) const {
        if (entry.size() < std::max(FewestCards, start_.size()) || entry.size() > longest_) {
            return std::nullopt;
        }
        std::string word(entry.size(), ' ');
        LetterTally left = atHand_;
        for (std::size_t k = 0; k < entry.size(); ++k) {
            const std::optional<int> letter = LetterNumberOf(entry[k]);
            if (!letter) {
                return std::nullopt;
            }
            word[k] = static_cast<char>('A' + *letter);
            if (k < start_.size()) {
                if (word[k] != start_[k]) {
                    return std::nullopt;
                }
            } else if (--left[static_cast<std::size_t>(*letter)] < 0) {
                return std::nullopt;
            }
        }
        return word;
    }

private:
    std::string_view start_;
    const LetterTally& atHand_;
    LetterTally inLine_; // the letters at hand and those already laid
    std::size_t longest_;
};

} // namespace

int PointsOfCheckedWord(std::string_view word) {
    int letters = 0;
    for (const char letter : word) {
        letters += LetterValue(letter);
    }
    return letters + LayingBonus(static_cast<int>(word.size())) + WordLengthBonus(word);
}

WordSearch FindBestWords(const Dictionary& dictionary, std::string_view start,
                         const LetterTally& atHand, std::size_t limit) {
    const EntryTest test(start, atHand);
    BestWords best(limit);
    const auto takeEntry = [&](std::string_view entry) {
        if (std::optional<std::string> word = test.Layable(entry)) {
            const int points = PointsOfCheckedWord(*word);
            if (best.WouldKeep(points)) {
                best.Offer({std::move(*word), points});
            }
        }
        return false; // every entry is looked at
    };
    const auto readLines = [&](std::string_view lines) {
        std::size_t at = 0;
        while (at < lines.size()) {
            std::size_t end = at;
            while (end < lines.size() && lines[end] != '\n' && lines[end] != '\r') {
                ++end;
            }
            const std::string_view line = lines.substr(at, end - at);
            if (test.MayHoldOne(line)) {
                AnyEntryOfLine(line, takeEntry);
            }
            at = end + 1;
        }
        return false;
    };
    const std::filesystem::path file = dictionary.WordListPath();
    if (ReadWordListLines(file, readLines) == WordListRead::Unreadable) {
        return {{}, WordCheckTexts::WordListUnreadable(file)};
    }
    return {best.Take(), {}};
}

} // namespace lexabit
