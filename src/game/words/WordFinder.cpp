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

struct Candidate {
    FoundWord Found;
    bool Preferred = false;
};

bool Ranks(const Candidate& better, const Candidate& worse) {
    if (better.Preferred != worse.Preferred) {
        return better.Preferred;
    }
    return better.Found.Points != worse.Found.Points ? better.Found.Points > worse.Found.Points
                                                     : better.Found.Word < worse.Found.Word;
}

// Keeps the best few words seen so far, best first, each word once.
class BestWords {
public:
    explicit BestWords(std::size_t limit) : limit_(limit) {}

    bool WouldKeep(bool preferred, int points) const {
        if (words_.size() < limit_) {
            return true;
        }
        if (limit_ == 0) {
            return false;
        }
        const Candidate& last = words_.back();
        return preferred != last.Preferred ? preferred : points >= last.Found.Points;
    }

    void Offer(Candidate candidate) {
        if (std::any_of(words_.begin(), words_.end(), [&](const Candidate& kept) {
                return kept.Found.Word == candidate.Found.Word;
            })) {
            return; // a word listed twice, perhaps in two letter cases
        }
        const auto place = std::lower_bound(words_.begin(), words_.end(), candidate, Ranks);
        words_.insert(place, std::move(candidate));
        if (words_.size() > limit_) {
            words_.pop_back();
        }
    }

    std::vector<FoundWord> Take() {
        std::vector<FoundWord> words;
        words.reserve(words_.size());
        for (Candidate& kept : words_) {
            words.push_back(std::move(kept.Found));
        }
        return words;
    }

private:
    std::size_t limit_;
    std::vector<Candidate> words_;
};

class EntryTest {
public:
    explicit EntryTest(const LetterTally& atHand)
        : atHand_(atHand),
          mostCards_(static_cast<std::size_t>(std::accumulate(atHand.begin(), atHand.end(), 0))) {}

    // The entry in capitals when it can be laid; nothing otherwise.
    std::optional<std::string> Layable(std::string_view entry) const {
        if (entry.size() < FewestCards || entry.size() > mostCards_) {
            return std::nullopt;
        }
        LetterTally left = atHand_;
        for (const char c : entry) {
            const std::optional<int> letter = LetterNumberOf(c);
            if (!letter || --left[static_cast<std::size_t>(*letter)] < 0) {
                return std::nullopt;
            }
        }
        std::string word(entry);
        std::transform(word.begin(), word.end(), word.begin(),
                       [](char c) { return static_cast<char>('A' + *LetterNumberOf(c)); });
        return word;
    }

private:
    const LetterTally& atHand_;
    std::size_t mostCards_;
};

// Hands every entry of the list that the letters at hand can lay, in capitals, to takeWord.
template <class TakeWord>
WordListRead ReadLayableWords(const std::filesystem::path& list, const LetterTally& atHand,
                              TakeWord&& takeWord) {
    const EntryTest test(atHand);
    const auto takeEntry = [&](std::string_view entry) {
        if (std::optional<std::string> word = test.Layable(entry)) {
            takeWord(std::move(*word));
        }
        return false; // every entry is looked at
    };
    return ReadWordListLines(list, [&](std::string_view lines) {
        std::size_t at = 0;
        while (at < lines.size()) {
            std::size_t end = at;
            while (end < lines.size() && lines[end] != '\n' && lines[end] != '\r') {
                ++end;
            }
            // Each entry as the word check reads it; one not at hand is let go at its
            // first letter that is not.
            AnyEntryOfLine(lines.substr(at, end - at), takeEntry);
            at = end + 1;
        }
        return false;
    });
}

} // namespace

int PointsOfCheckedWord(std::string_view word) {
    int letters = 0;
    for (const char letter : word) {
        letters += LetterValue(letter);
    }
    return letters + LayingBonus(static_cast<int>(word.size())) + WordLengthBonus(word);
}

WordSearch FindBestWords(const Dictionary& dictionary, const LetterTally& atHand, std::size_t limit,
                         const WordSet& preferred) {
    BestWords best(limit);
    const std::filesystem::path file = dictionary.WordListPath();
    const WordListRead read = ReadLayableWords(file, atHand, [&](std::string word) {
        const bool known = preferred.contains(word);
        const int points = PointsOfCheckedWord(word);
        if (best.WouldKeep(known, points)) {
            best.Offer({{std::move(word), points}, known});
        }
    });
    if (read == WordListRead::Unreadable) {
        return {{}, WordCheckTexts::WordListUnreadable(file)};
    }
    return {best.Take(), {}};
}

WordSet LayableCommonWords(const Dictionary& dictionary, const LetterTally& atHand) {
    WordSet words;
    const WordListRead read =
        ReadLayableWords(dictionary.CommonWordsPath(), atHand,
                         [&](std::string word) { words.insert(std::move(word)); });
    if (read == WordListRead::Unreadable) {
        return {}; // the hint then picks from all words alike
    }
    return words;
}

WordSearch BestWordsToHint(const Dictionary& dictionary, const LetterTally& atHand,
                           std::size_t limit) {
    // Only common words that the word list holds are preferred: whatever the list of common
    // words says, the hint never suggests a word the word check would refuse.
    return FindBestWords(dictionary, atHand, limit, LayableCommonWords(dictionary, atHand));
}

} // namespace lexabit
