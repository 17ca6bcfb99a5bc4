// ToTraditional through OpenCC, with a configuration that uses only its
// character dictionary: one character in, one character out, ASCII untouched.
// The configuration ships beside the program; OpenCC finds the dictionary in
// its own data folder.
#include <opencc/SimpleConverter.hpp>

#include <memory>

#include "lookups/CharacterLookups.h"
#include "platform/System.h"

namespace velorin {

namespace {

// Null when the configuration or the dictionary cannot be loaded.
std::unique_ptr<opencc::SimpleConverter> LoadConverter() {
    try {
        return std::make_unique<opencc::SimpleConverter>(RunDirectory() + "/s2t-characters.json");
    } catch (...) {
        return nullptr;
    }
}

}  // namespace

std::string ToTraditional(std::string_view text) {
    static const std::unique_ptr<opencc::SimpleConverter> converter = LoadConverter();
    if (converter == nullptr) return std::string(text);
    try {
        return converter->Convert(text.data(), text.size());
    } catch (...) {
        // Text that is not valid UTF-8 has no traditional form.
        return std::string(text);
    }
}

}  // namespace velorin
