#include "runtime/IntegerText.h"

#include "runtime/Exceptions.h"

QString IntToStr(std::int32_t value) {
    // QString::number is locale-free and copes with the most negative value.
    return QString::number(value);
}

namespace {

[[noreturn]] void ThrowNotAnInteger(const QString& text) {
    throw EConvertError(QStringLiteral("''") + text +
                        QStringLiteral("'' is not a valid integer value"));
}

// ASCII only: QChar::isDigit would also let through the digits of other scripts.
int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

} // namespace

std::int32_t StrToInt(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qsizetype prefix = 0;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        prefix = 1;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        prefix = 2;
    }
    i += prefix;
    if (i == n) {
        ThrowNotAnInteger(text);
    }

    // The magnitude is gathered unsigned so that the most negative value needs no case of its own.
    std::uint32_t magnitude = 0;
    if (prefix > 0) {
        // Hexadecimal is a bit pattern: "$FFFFFFFF" is -1, and a sign negates that pattern.
        int significant = 0;
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i].unicode());
            if (digit < 0) {
                ThrowNotAnInteger(text);
            }
            if (significant == 0 && digit == 0) {
                continue;
            }
            if (++significant > 8) {
                ThrowNotAnInteger(text);
            }
            magnitude = (magnitude << 4) | static_cast<std::uint32_t>(digit);
        }
    } else {
        const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        for (; i < n; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9') {
                ThrowNotAnInteger(text);
            }
            const auto digit = static_cast<std::uint32_t>(c - u'0');
            if (magnitude > (limit - digit) / 10) {
                ThrowNotAnInteger(text);
            }
            magnitude = magnitude * 10 + digit;
        }
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}
