#include "ui/EvaluationEntries.h"

#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin::ui {

namespace {

int NumberOf(const std::string& text) {
    return text::TextToInteger(text);
}

DateTime MomentOf(const BirthDateTexts& date) {
    return DateTime::FromParts(NumberOf(date.year), NumberOf(date.month), NumberOf(date.day), NumberOf(date.hour));
}

EvaluationRequest RequestFor(const std::string& surname, const std::string& givenName, const DateTime& birthMoment,
                             const BirthDateTexts& scoreDate, const BirthDateTexts& starSignDate,
                             bool fixedCharacterUsed) {
    EvaluationRequest request;
    request.surname = surname;
    request.givenName = givenName;
    request.birthMoment = birthMoment;
    request.scoreYear = NumberOf(scoreDate.year);
    request.scoreMonth = NumberOf(scoreDate.month);
    request.scoreDay = NumberOf(scoreDate.day);
    request.starSignMonth = NumberOf(starSignDate.month);
    request.starSignDay = NumberOf(starSignDate.day);
    request.fixedCharacterUsed = fixedCharacterUsed;
    return request;
}

}  // namespace

EvaluationRequest TypedNameRequest(const std::string& surname, const std::string& givenName,
                                   const BirthDateTexts& evaluationDate, const BirthDateTexts& namingDate,
                                   bool fixedCharacterUsed) {
    return RequestFor(surname, givenName, MomentOf(evaluationDate), namingDate, evaluationDate, fixedCharacterUsed);
}

std::optional<std::string> RowScore(std::string_view caption) {
    const std::vector<std::string> parts = text::Split(caption, "[");
    if (parts.size() != 2) return std::nullopt;
    return text::ReplaceAll(parts[1], "]", "");
}

EvaluationRequest RowRequest(const std::string& surname, const std::string& givenName, const std::string& rowScore,
                             const BirthDateTexts& namingDate, const BirthDateTexts& evaluationDate,
                             bool fixedCharacterUsed) {
    EvaluationRequest request =
        RequestFor(surname, givenName, MomentOf(namingDate), namingDate, evaluationDate, fixedCharacterUsed);
    request.passedScore = rowScore;
    return request;
}

}  // namespace velorin::ui
