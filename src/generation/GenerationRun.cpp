#include "generation/GenerationRun.h"

#include <algorithm>
#include <array>

#include "birthchart/ElementBalance.h"
#include "generation/CharacterLibrary.h"
#include "generation/ListedNames.h"
#include "generation/NameScore.h"
#include "platform/Random.h"
#include "platform/System.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

StartMessage LibraryMessage(std::string_view sex, std::string_view problem) {
    return {std::string(sex == "男" ? "字库男" : "字库女") + std::string(problem) + " 无法生成", false};
}

// The surname and the drawn entries, with the fixed character in place of
// the entry at its position. A one-character given name never takes the
// fixed character.
std::string ComposeFullName(std::string_view surname, const std::array<std::string_view, 3>& picks, int count,
                            std::string_view fixedCharacter, int fixedPosition) {
    const int fixedIndex = count >= 2 && !fixedCharacter.empty() ? std::clamp(fixedPosition, 1, count) - 1 : -1;
    std::string fullName(surname);
    for (int i = 0; i < count; ++i) fullName += i == fixedIndex ? fixedCharacter : picks[static_cast<std::size_t>(i)];
    return fullName;
}

}  // namespace

std::string NameCandidateText(std::string_view fullName, int score) {
    return std::string(fullName) + "[" + text::IntegerText(score) + "分]";
}

int BirthDateSeedNumber(int year, int month, int day) {
    return text::TextToInteger(text::IntegerText(year) + text::IntegerText(month) + text::IntegerText(day));
}

GenerationStart StartGeneration(const GenerationRequest& request) {
    GenerationStart start;
    if (request.fixedCharacterTicked) {
        start.fixedCharacterUsed = true;
        if (request.fixedCharacter.empty()) {
            start.message = StartMessage{"请填写固定字", true};
            return start;
        }
    }
    PreparedRun& run = start.run;
    run.surname = text::TrimBlanks(request.surname);
    if (run.surname.empty()) {
        start.message = StartMessage{"请填写姓氏", true};
        return start;
    }
    start.clearResultList = true;
    const DateTime birthMoment = DateTime::FromParts(request.year, request.month, request.day, request.hour);
    start.chartMoment = birthMoment;

    const std::string path = request.libraryFile.empty()
                                 ? request.libraryDirectory + "/" + LibraryFileName(request.sex)
                                 : request.libraryFile;
    std::string content;
    if (!FileExists(path)) {
        start.message = LibraryMessage(request.sex, "不存在");
        return start;
    }
    if (!ReadWholeFile(path, content)) {
        start.message = LibraryMessage(request.sex, "无法读取");
        return start;
    }
    run.library = LibraryEntries(content);
    if (run.library.empty()) {
        start.message = LibraryMessage(request.sex, "为空");
        return start;
    }

    run.fixedCharacter = request.fixedCharacter;
    run.seed = request.seed.value_or(static_cast<std::uint64_t>(
        static_cast<long long>(UptimeMilliseconds()) +
        BirthDateSeedNumber(request.year, request.month, request.day)));
    run.lackingText = ElementBalanceOf(birthMoment).lackingText;
    run.lackingElement = FirstLackingElement(run.lackingText);
    run.nameLimit = request.nameLimit;
    return start;
}

GenerationOutcome GenerateNames(const PreparedRun& run, GenerationControls& controls) {
    RandomSource random(run.seed);
    const auto lastEntry = static_cast<long long>(run.library.size()) - 1;
    ListedNames listed(static_cast<std::size_t>(std::clamp(run.nameLimit, 0, 5000)));
    int consecutiveRepeats = 0;
    GenerationOutcome outcome;
    while (outcome.namesMade < run.nameLimit) {
        const NameSettings settings = controls.CurrentSettings();
        const int count = std::clamp(settings.givenCount, 1, 3);
        // A box ticked during a run whose fixed-character box was empty at
        // the start has no character to place: the name is drawn whole.
        const bool fixed = settings.fixedCharacterTicked && !run.fixedCharacter.empty();
        std::array<std::string_view, 3> picks{};
        for (int i = 0; i < count; ++i) {
            picks[static_cast<std::size_t>(i)] = run.library[static_cast<std::size_t>(random.Between(0, lastEntry))];
        }
        const std::string fullName = ComposeFullName(run.surname, picks, count,
                                                     fixed ? run.fixedCharacter : std::string_view(),
                                                     settings.fixedPosition);
        const std::string_view given = std::string_view(fullName).substr(run.surname.size());

        NameScoreInputs name;
        name.surname = run.surname;
        name.givenCount = count;
        name.picks = picks;
        name.givenName = given;
        name.fixedCharacterTicked = fixed;
        name.fixedPosition = settings.fixedPosition;
        name.year = settings.year;
        name.month = settings.month;
        name.day = settings.day;
        name.lackingElement = run.lackingElement;
        const int score = ScoreGeneratedName(name).score;
        ++outcome.namesMade;

        if (listed.Add(fullName)) {
            consecutiveRepeats = 0;
            const bool candidate = settings.candidatesTicked && score >= settings.threshold;
            controls.ListName(ListedName{fullName, run.surname, given, score, candidate});
        } else if (++consecutiveRepeats > 500) {
            outcome.ended = GenerationEnd::Repeats;
            return outcome;
        }
        if (controls.StopRequested()) {
            outcome.ended = GenerationEnd::Stopped;
            return outcome;
        }
        controls.ProcessPendingEvents(outcome.namesMade);
    }
    outcome.ended = GenerationEnd::Limit;
    return outcome;
}

}  // namespace velorin
