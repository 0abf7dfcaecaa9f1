// Feeds arbitrary text to StrToInt and compares it with a second, separately written reading of
// the same grammar. Any disagreement on acceptance, value or error message stops the run.

#include "runtime/Exceptions.h"
#include "runtime/IntegerText.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

struct Verdict {
    bool valid = false;
    std::int32_t value = 0;
};

// Splits the text into blanks, sign, prefix and digits, then judges the digits as a whole:
// the production parser instead decides character by character while accumulating.
Verdict Reference(const std::u16string& text) {
    const std::size_t start = text.find_first_not_of(u' ');
    if (start == std::u16string::npos) {
        return {};
    }
    std::u16string_view rest(text);
    rest.remove_prefix(start);

    bool minus = false;
    if (rest.front() == u'-' || rest.front() == u'+') {
        minus = rest.front() == u'-';
        rest.remove_prefix(1);
    }
    bool hex = false;
    for (const std::u16string_view prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
        if (rest.starts_with(prefix)) {
            hex = true;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    if (rest.empty()) {
        return {};
    }
    const std::u16string_view allowed = hex ? u"0123456789abcdefABCDEF" : u"0123456789";
    if (rest.find_first_not_of(allowed) != std::u16string_view::npos) {
        return {};
    }
    const std::size_t firstSignificant = rest.find_first_not_of(u'0');
    const std::u16string_view significant = firstSignificant == std::u16string_view::npos
                                                ? std::u16string_view()
                                                : rest.substr(firstSignificant);
    const std::string narrow(significant.begin(), significant.end());
    if (narrow.empty()) {
        return {true, 0};
    }

    if (hex) {
        if (narrow.size() > 8) {
            return {};
        }
        const long long bits = std::stoll(narrow, nullptr, 16);
        const long long signedBits = minus ? -bits : bits;
        return {true, static_cast<std::int32_t>(static_cast<std::uint32_t>(signedBits))};
    }
    // Range by comparing digit strings of equal length, so no wider type is trusted for it.
    const std::string_view bound = minus ? "2147483648" : "2147483647";
    if (narrow.size() > bound.size() || (narrow.size() == bound.size() && narrow > bound)) {
        return {};
    }
    const long long magnitude = std::stoll(narrow);
    return {true, static_cast<std::int32_t>(minus ? -magnitude : magnitude)};
}

void Check(const QString& text) {
    const Verdict expected = Reference(text.toStdU16String());
    try {
        const std::int32_t got = StrToInt(text);
        if (!expected.valid || got != expected.value) {
            __builtin_trap();
        }
        if (StrToInt(IntToStr(got)) != got) {
            __builtin_trap();
        }
    } catch (const EConvertError& error) {
        if (expected.valid) {
            __builtin_trap();
        }
        if (error.Message() !=
            QStringLiteral("''") + text + QStringLiteral("'' is not a valid integer value")) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    Check(QString::fromUtf8(bytes, length));
    Check(QString::fromLatin1(bytes, length));
    // Raw UTF-16 code units reach non-Latin digits and lone surrogates the other two cannot.
    QString units(length / 2, Qt::Uninitialized);
    if (!units.isEmpty()) {
        std::memcpy(units.data(), data, static_cast<std::size_t>(units.size()) * sizeof(QChar));
    }
    Check(units);
    return 0;
}
