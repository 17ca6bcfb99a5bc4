#include "text/GbkCodec.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace velorin::text {

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Substitution callbacks that remember that they were called, so that the
// caller learns about bad input instead of silently getting replacement marks.
struct SubstitutionWatch {
    bool happened = false;
};

void WatchToUnicode(const void* context, UConverterToUnicodeArgs* args, const char* codeUnits,
                    int32_t length, UConverterCallbackReason reason, UErrorCode* status) {
    if (reason <= UCNV_IRREGULAR) static_cast<SubstitutionWatch*>(const_cast<void*>(context))->happened = true;
    UCNV_TO_U_CALLBACK_SUBSTITUTE(nullptr, args, codeUnits, length, reason, status);
}

void WatchFromUnicode(const void* context, UConverterFromUnicodeArgs* args, const UChar* codeUnits,
                      int32_t length, UChar32 codePoint, UConverterCallbackReason reason,
                      UErrorCode* status) {
    if (reason <= UCNV_IRREGULAR) static_cast<SubstitutionWatch*>(const_cast<void*>(context))->happened = true;
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, codeUnits, length, codePoint, reason, status);
}

Converter Open(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    return U_SUCCESS(status) ? std::move(converter) : Converter();
}

// Converts between two encodings through ICU's pivot, watching both sides.
ConvertedText Convert(std::string_view input, const char* from, const char* to) {
    ConvertedText result;
    if (input.empty()) return result;
    Converter source = Open(from);
    Converter target = Open(to);
    if (!source || !target) return {std::string(), false};
    SubstitutionWatch watch;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(source.get(), WatchToUnicode, &watch, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(target.get(), WatchFromUnicode, &watch, nullptr, nullptr, &status);
    result.text.resize(input.size() * 4 + 16);
    char* out = result.text.data();
    const char* in = input.data();
    ucnv_convertEx(target.get(), source.get(), &out, result.text.data() + result.text.size(), &in,
                   input.data() + input.size(), nullptr, nullptr, nullptr, nullptr, true, true,
                   &status);
    if (U_FAILURE(status)) return {std::string(), false};
    result.text.resize(static_cast<std::size_t>(out - result.text.data()));
    result.valid = !watch.happened;
    return result;
}

}  // namespace

ConvertedText GbkToUtf8(std::string_view gbk) { return Convert(gbk, "GBK", "UTF-8"); }

ConvertedText Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "UTF-8", "GBK"); }

}  // namespace velorin::text
