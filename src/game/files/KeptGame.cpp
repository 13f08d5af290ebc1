#include "game/files/KeptGame.h"

#include "game/files/FileRead.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>
#include <vector>

namespace lexabit {

namespace {

constexpr std::string_view LineEnd = "\r\n";
// A card lies on the board or near it; a place beyond this is no place the game made.
constexpr float FarthestPlace = 1'000'000;
// The seconds gone of a running minute, allowing for a tick that came late.
constexpr long long MostSecondsGone = 24LL * 60 * 60;

std::string Number(long long value) {
    return std::to_string(value);
}

std::string Place(float value) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

std::string ListLine(std::string_view key, const std::vector<int>& items) {
    std::string line(key);
    for (const int item : items) {
        line += ' ' + Number(item);
    }
    return line;
}

// The rest of a line split at single blanks.
std::vector<std::string_view> Fields(std::string_view rest) {
    std::vector<std::string_view> fields;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        fields.push_back(rest.substr(0, blank));
        rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    }
    return fields;
}

// Thrown for the first thing in a file that a kept game could not say; its text ends the
// sentence the player reads.
struct Damage {
    std::string what;
};

long long Whole(std::string_view field, long long lowest, long long highest) {
    long long value = 0;
    const auto read = std::from_chars(field.data(), field.data() + field.size(), value);
    if (read.ec != std::errc{} || read.ptr != field.data() + field.size() || value < lowest ||
        value > highest) {
        throw Damage{"\"" + std::string(field) + "\" is no number it can hold"};
    }
    return value;
}

std::int16_t Short(std::string_view field, long long lowest = std::numeric_limits<short>::min()) {
    return static_cast<std::int16_t>(Whole(field, lowest, std::numeric_limits<short>::max()));
}

float PlaceOf(std::string_view field) {
    float value = 0;
    const auto read = std::from_chars(field.data(), field.data() + field.size(), value);
    if (read.ec != std::errc{} || read.ptr != field.data() + field.size() ||
        !std::isfinite(value) || std::abs(value) > FarthestPlace) {
        throw Damage{"\"" + std::string(field) + "\" is no place on the board"};
    }
    return value;
}

std::vector<std::string_view> Exactly(std::string_view rest, std::size_t count,
                                      std::string_view key) {
    std::vector<std::string_view> fields = Fields(rest);
    if (fields.size() != count) {
        throw Damage{"its line \"" + std::string(key) + "\" is damaged"};
    }
    return fields;
}

// Two texts on one line, split at the tab between them.
std::pair<std::string, std::string> TextPair(std::string_view rest, std::string_view key) {
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) {
        throw Damage{"its line \"" + std::string(key) + "\" is damaged"};
    }
    return {std::string(rest.substr(0, tab)), std::string(rest.substr(tab + 1))};
}

// Reads the lines of a kept game, in any order after the header and the version, into a
// state that is then checked as a whole.
class KeptGameReader {
public:
    explicit KeptGameReader(GameTime now) : now_(now) {}

    GameState Read(std::string_view text) {
        std::istringstream in{std::string(text)};
        TextLineReader lines(in, MaxKeptGameBytes);
        if (lines.NextLine() != std::optional<std::string>(KeptGameHeader)) {
            throw Damage{"it is no kept game of Lexabit Solitaire"};
        }
        const std::optional<std::string> version = lines.NextLine();
        if (!version || version->rfind("version ", 0) != 0) {
            throw Damage{"it names no version"};
        }
        if (Whole(std::string_view(*version).substr(8), 1, std::numeric_limits<int>::max()) !=
            KeptGameVersion) {
            throw Damage{"it was kept by another version of the game"};
        }
        bool ended = false;
        while (const std::optional<std::string> line = lines.NextLine()) {
            if (ended) {
                throw Damage{"lines follow its end"};
            }
            const std::size_t blank = line->find(' ');
            const std::string_view key = std::string_view(*line).substr(0, blank);
            const std::string_view rest = blank == std::string::npos
                                              ? std::string_view{}
                                              : std::string_view(*line).substr(blank + 1);
            ended = key == "end";
            if (!ended) {
                TakeLine(key, rest);
            }
        }
        if (!ended) {
            throw Damage{"it is cut short"};
        }
        CheckWhole();
        return std::move(state_);
    }

private:
    void TakeLine(std::string_view key, std::string_view rest) {
        if (!seen_.insert(std::string(key)).second && key != "card" && key != "found" &&
            key != "hint-charged") {
            throw Damage{"its line \"" + std::string(key) + "\" comes twice"};
        }
        if (key == "level") {
            const std::optional<Level> level = LevelFromStoredNumber(Whole(rest, 1, 3));
            state_.GameLevel = *level;
        } else if (key == "cards") {
            state_.CardsTotal = Short(rest, 1);
            for (int i = 1; i <= state_.LastCardIndex(); ++i) {
                state_.CreateCard(i);
            }
        } else if (key == "score") {
            state_.TotalScore = Short(rest);
        } else if (key == "clocks") {
            TakeClocks(Exactly(rest, 5, key));
        } else if (key == "playing-time") {
            state_.Clocks.PlayingTime = std::string(rest);
        } else if (key == "piles") {
            const auto piles = Exactly(rest, 2, key);
            state_.Piles = {Whole(piles[0], 0, 1) == 1, Whole(piles[1], 0, 1) == 1};
        } else if (key == "deal") {
            TakeDeal(Exactly(rest, 2 + LetterCount, key));
        } else if (key == "hint-cost") {
            state_.HintCost = Short(rest, 0);
        } else if (key == "hint-taken") {
            state_.HintCostTaken = Short(rest, 0);
        } else if (key == "card") {
            TakeCard(Exactly(rest, 8, key));
        } else if (key == "stacking") {
            stacking_ = CardNumbers(rest, 0);
        } else if (key == "pack") {
            state_.Pack = ListOf(CardNumbers(rest, 1));
        } else if (key == "word") {
            state_.WordCards = ListOf(CardNumbers(rest, 1));
        } else if (key == "found") {
            auto [word, points] = TextPair(rest, key);
            state_.WordsFound.push_back({std::move(word), std::move(points)});
        } else if (key == "shown") {
            auto [word, points] = TextPair(rest, key);
            state_.Shown = {std::move(word), std::move(points)};
        } else if (key == "hint-charged") {
            const std::size_t blank = rest.find(' ');
            state_.HintsCharged.push_back({std::string(rest.substr(0, blank)),
                                           blank == std::string_view::npos
                                               ? std::vector<int>{}
                                               : CardNumbers(rest.substr(blank + 1), 1, true)});
        } else if (key == "stuck-asked") {
            state_.StuckPositionAsked = CardNumbers(rest, 1, true);
        } else {
            throw Damage{"it holds a line \"" + std::string(key) + "\" the game does not know"};
        }
    }

    void TakeClocks(const std::vector<std::string_view>& fields) {
        ClockValues& clocks = state_.Clocks;
        clocks.WordTimerMinutes = Short(fields[0], -1);
        clocks.WordTimerStart = now_ - std::chrono::seconds(Whole(fields[1], 0, MostSecondsGone));
        clocks.PlayHours = Short(fields[2], 0);
        clocks.PlayMinutes = Short(fields[3], 0);
        clocks.MinuteStart = now_ - std::chrono::seconds(Whole(fields[4], 0, MostSecondsGone));
    }

    void TakeDeal(const std::vector<std::string_view>& fields) {
        DealIdentity& deal = state_.Deal;
        deal.Number =
            static_cast<std::uint32_t>(Whole(fields[0], LowestDealNumber, HighestDealNumber));
        deal.Replayed = Whole(fields[1], 0, 1) == 1;
        for (std::size_t letter = 0; letter < deal.Letters.size(); ++letter) {
            deal.Letters[letter] = Short(fields[2 + letter]);
        }
    }

    void TakeCard(const std::vector<std::string_view>& fields) {
        if (state_.CardsTotal == 0) {
            throw Damage{"its cards come before their number"};
        }
        const int index = static_cast<int>(Whole(fields[0], 1, state_.LastCardIndex()));
        if (!cardsRead_.insert(index).second) {
            throw Damage{"card " + Number(index) + " comes twice"};
        }
        CardRecord& card = state_.Card(index);
        card.Tag = static_cast<CardTag>(Whole(fields[1], -1, 3));
        card.Letter = fields[2] == "-" ? '\0' : fields[2].size() == 1 ? fields[2][0] : '?';
        card.Value = static_cast<int>(Whole(fields[3], 0, 10));
        card.Picture = static_cast<int>(Whole(fields[4], 0, LetterCount));
        card.Left = PlaceOf(fields[5]);
        card.Top = PlaceOf(fields[6]);
        card.Visible = Whole(fields[7], 0, 1) == 1;
        const bool marker = index > state_.CardsTotal;
        const bool letter = LetterValue(card.Letter) > 0;
        if (marker != (card.Tag == CardTag::Marker) || marker == letter ||
            (letter && card.Value != LetterValue(card.Letter))) {
            throw Damage{"card " + Number(index) + " is damaged"};
        }
    }

    // Card numbers from the template (0) or the first letter card (1) on, to the last marker
    // or, for cards a hint named, the last letter card.
    std::vector<int> CardNumbers(std::string_view rest, int lowest,
                                 bool lettersOnly = false) const {
        const int highest = lettersOnly ? state_.CardsTotal : state_.LastCardIndex();
        std::vector<int> numbers;
        for (const std::string_view field : Fields(rest)) {
            numbers.push_back(static_cast<int>(Whole(field, lowest, highest)));
        }
        return numbers;
    }

    static std::vector<int> Numbered(int first, int last) {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n) {
            numbers.push_back(n);
        }
        return numbers;
    }

    static CardList ListOf(const std::vector<int>& numbers) {
        CardList list;
        for (const int number : numbers) {
            list.Add(number);
        }
        return list;
    }

    // A list names, once each, exactly the cards of its tag.
    void CheckList(const CardList& list, CardTag tag, std::string_view name) const {
        const std::set<int> listed(list.items().begin(), list.items().end());
        int tagged = 0;
        for (int i = 1; i <= state_.CardsTotal; ++i) {
            tagged += state_.Card(i).Tag == tag ? 1 : 0;
        }
        const bool each = std::all_of(listed.begin(), listed.end(), [&](int i) {
            return i <= state_.CardsTotal && state_.Card(i).Tag == tag;
        });
        if (!each || static_cast<int>(listed.size()) != list.Count() || tagged != list.Count()) {
            throw Damage{"its " + std::string(name) + " does not match its cards"};
        }
    }

    void CheckWhole() {
        for (const std::string_view key :
             {"level", "deal", "cards", "score", "clocks", "playing-time", "piles", "hint-cost",
              "stacking", "pack", "word", "shown"}) {
            if (!seen_.contains(std::string(key))) {
                throw Damage{"its line \"" + std::string(key) + "\" is missing"};
            }
        }
        if (static_cast<int>(cardsRead_.size()) != state_.LastCardIndex()) {
            throw Damage{"cards are missing"};
        }
        // The pack keeps the deal's order of every letter card, wherever the card lies now.
        std::vector<int> dealt = state_.Pack.items();
        std::sort(dealt.begin(), dealt.end());
        if (dealt != Numbered(1, state_.CardsTotal)) {
            throw Damage{"its pack does not match its cards"};
        }
        CheckList(state_.WordCards, CardTag::Word, "word");
        if (state_.WordCards.Count() == 1) {
            throw Damage{"its word is of one card"};
        }
        // The stacking order names every card, the template included, once.
        std::vector<int> order = stacking_;
        std::sort(order.begin(), order.end());
        if (order != Numbered(0, state_.LastCardIndex())) {
            throw Damage{"its stacking order does not match its cards"};
        }
        for (const int index : stacking_) {
            state_.RaiseCard(index);
        }
    }

    GameTime now_;
    GameState state_;
    std::set<std::string> seen_;
    std::set<int> cardsRead_;
    std::vector<int> stacking_;
};

} // namespace

std::string FormatKeptGame(const GameState& state, GameTime now) {
    const ClockValues& clocks = state.Clocks;
    std::vector<std::string> lines{
        std::string(KeptGameHeader),
        "version " + Number(KeptGameVersion),
        "level " + Number(StoredLevelNumber(state.GameLevel)),
        ListLine("deal " + Number(state.Deal.Number) + ' ' + Number(state.Deal.Replayed ? 1 : 0),
                 {state.Deal.Letters.begin(), state.Deal.Letters.end()}),
        "cards " + Number(state.CardsTotal),
        "score " + Number(state.TotalScore),
        "clocks " + Number(clocks.WordTimerMinutes) + ' ' +
            Number((now - clocks.WordTimerStart).count()) + ' ' + Number(clocks.PlayHours) + ' ' +
            Number(clocks.PlayMinutes) + ' ' + Number((now - clocks.MinuteStart).count()),
        "playing-time " + clocks.PlayingTime,
        "piles " + Number(state.Piles.Pack ? 1 : 0) + ' ' + Number(state.Piles.DiscardPile ? 1 : 0),
        "hint-cost " + Number(state.HintCost),
    };
    if (state.HintCostTaken) {
        lines.push_back("hint-taken " + Number(*state.HintCostTaken));
    }
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        const CardRecord& card = state.Card(i);
        lines.push_back("card " + Number(i) + ' ' + Number(static_cast<int>(card.Tag)) + ' ' +
                        (card.Letter == '\0' ? std::string("-") : std::string(1, card.Letter)) +
                        ' ' + Number(card.Value) + ' ' + Number(card.Picture) + ' ' +
                        Place(card.Left) + ' ' + Place(card.Top) + ' ' +
                        Number(card.Visible ? 1 : 0));
    }
    lines.push_back(ListLine("stacking", state.StackingOrder()));
    lines.push_back(ListLine("pack", state.Pack.items()));
    lines.push_back(ListLine("word", state.WordCards.items()));
    for (const AcceptedWord& found : state.WordsFound) {
        lines.push_back("found " + found.Word + '\t' + found.Points);
    }
    lines.push_back("shown " + state.Shown.Word + '\t' + state.Shown.Points);
    for (const ChargedHint& hint : state.HintsCharged) {
        lines.push_back(ListLine("hint-charged " + hint.Word, hint.Cards));
    }
    lines.push_back(ListLine("stuck-asked", state.StuckPositionAsked));
    lines.emplace_back("end");
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += LineEnd;
    }
    return text;
}

KeptGameRead ParseKeptGame(std::string_view text, GameTime now) {
    try {
        return {KeptGameReader(now).Read(text), {}};
    } catch (const Damage& damage) {
        return {std::nullopt, damage.what};
    }
}

void TakeUpKeptGame(GameState& board, GameState kept) {
    kept.ScaleWidth = board.ScaleWidth;
    kept.ScaleHeight = board.ScaleHeight;
    kept.Elements = board.Elements;
    kept.CardStyle = board.CardStyle;
    kept.NextDealLetters = board.NextDealLetters;
    kept.PlayerName = board.PlayerName;
    kept.Phase = GamePhase::Playing;
    board = std::move(kept);
}

std::optional<KeptGameRead> KeptGameFile::Read(GameTime now) const {
    const FileBytes read = ReadFileStart(file_, MaxKeptGameBytes);
    switch (read.Result) {
    case FileBytes::Status::Missing:
        return std::nullopt;
    case FileBytes::Status::Unreadable:
        return KeptGameRead{std::nullopt, read.Problem};
    case FileBytes::Status::Read:
        break;
    }
    if (read.CutShort) {
        return KeptGameRead{std::nullopt, "it is larger than any kept game"};
    }
    return ParseKeptGame(read.Bytes, now);
}

FileOutcome KeptGameFile::Keep(const GameState& state, GameTime now) const {
    return WriteFileAtomically(file_, FormatKeptGame(state, now));
}

void KeptGameFile::Forget() const {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

std::optional<std::filesystem::path> KeptGameFile::SetAside() const {
    constexpr int MostTries = 100;
    for (int n = 1; n <= MostTries; ++n) {
        std::filesystem::path aside = file_;
        aside += n == 1 ? std::string(".damaged") : ".damaged-" + Number(n);
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) {
            continue;
        }
        std::filesystem::rename(file_, aside, error);
        return error ? std::nullopt : std::optional(aside);
    }
    return std::nullopt;
}

bool AbandonQuestionChoice::AskFirst() const {
    constexpr std::size_t MostRead = 4096;
    const FileBytes read = ReadFileStart(file_, MostRead);
    if (read.Result != FileBytes::Status::Read) {
        return true;
    }
    std::istringstream in(read.Bytes);
    TextLineReader lines(in);
    std::string first = lines.NextLine().value_or("1");
    std::erase_if(first, [](char c) { return c == ' ' || c == '\t'; });
    return first != "0";
}

FileOutcome AbandonQuestionChoice::Save(bool askFirst) const {
    return WriteFileAtomically(file_, std::string(askFirst ? "1" : "0") + std::string(LineEnd));
}

} // namespace lexabit
