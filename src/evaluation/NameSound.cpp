#include "evaluation/NameSound.h"

#include <unicode/locid.h>
#include <unicode/translit.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <memory>

#include "lookups/PinyinTable.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

bool IsHan(const icu::UnicodeString& character) {
    UErrorCode status = U_ZERO_ERROR;
    return character.countChar32() == 1 && uscript_getScript(character.char32At(0), &status) == USCRIPT_HAN &&
           U_SUCCESS(status);
}

// Creating a transliterator parses its rules, so each thread builds one once;
// null when the platform's data lacks the rules.
icu::Transliterator* HanToAscii() {
    thread_local std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> created(
            icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return transliterator.get();
}

bool IsLowerAsciiWord(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

std::string PlatformPinyin(std::string_view character) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(character.data(), static_cast<std::int32_t>(character.size())));
    icu::Transliterator* transliterator = HanToAscii();
    if (!IsHan(text) || transliterator == nullptr) return {};
    transliterator->transliterate(text);
    text.toLower(icu::Locale::getRoot());
    std::string reading;
    text.toUTF8String(reading);
    reading = reading.substr(0, reading.find(' '));
    // A character without a rule comes back as itself.
    return IsLowerAsciiWord(reading) ? reading : std::string();
}

std::string NameSoundText(std::string_view text, const PinyinSource& fallback) {
    std::string sound;
    for (const std::string& character : text::Characters(text)) {
        std::string_view carried = CarriedFirstReading(character);
        if (!carried.empty()) {
            sound += carried;
        } else {
            sound += fallback(character);
        }
    }
    return sound;
}

}  // namespace velorin
