#include "runtime/NumberFormat.h"

#include "runtime/Exceptions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

struct FloatPattern {
    bool grouped = false;
    qsizetype minIntDigits = 0;
    qsizetype minDecimals = 0;
    qsizetype maxDecimals = 0;
};

[[noreturn]] void ThrowUnsupportedFormat(const QString& format) {
    throw EConvertError(QStringLiteral("'%1' is not a supported number format").arg(format));
}

// Accepts [#,]*[0,]* optionally followed by .0*#* with at least one digit placeholder; anything
// richer (literals, sections, exponents) is refused rather than half-understood.
FloatPattern ParsePattern(const QString& format) {
    FloatPattern pattern;
    const qsizetype n = format.size();
    qsizetype i = 0;
    qsizetype placeholders = 0;
    for (; i < n && format[i] != u'.'; ++i) {
        const QChar c = format[i];
        if (c == u',') {
            pattern.grouped = true;
        } else if (c == u'0') {
            ++pattern.minIntDigits;
            ++placeholders;
        } else if (c == u'#' && pattern.minIntDigits == 0) {
            ++placeholders;
        } else {
            ThrowUnsupportedFormat(format);
        }
    }
    if (i < n) {
        ++i;
        for (; i < n && format[i] == u'0'; ++i) {
            ++pattern.minDecimals;
        }
        pattern.maxDecimals = pattern.minDecimals;
        for (; i < n && format[i] == u'#'; ++i) {
            ++pattern.maxDecimals;
        }
        if (i < n) {
            ThrowUnsupportedFormat(format);
        }
    }
    if (placeholders + pattern.maxDecimals == 0) {
        ThrowUnsupportedFormat(format);
    }
    return pattern;
}

} // namespace

QString FormatFloat(const QString& format, double value, const QLocale& locale) {
    const FloatPattern pattern = ParsePattern(format);
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }

    // The digits are the shortest that read back as the same double (at most seventeen), so a
    // value rounds as it was written: 1234567.8915 is stored just below ...8915 yet must still
    // give ...892, and 2^53 keeps its last digit.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific);
    const std::string_view scientific(buffer.data(), written.ptr);
    const std::size_t exponentAt = scientific.find('e');
    std::string digits;
    for (std::size_t k = 0; k < exponentAt; ++k) {
        if (scientific[k] != '.') {
            digits += scientific[k];
        }
    }
    // How many of the digits stand before the decimal point; negative or beyond them for tiny or
    // huge values.
    int exponent = 0;
    std::from_chars(scientific.data() + exponentAt + 1 + (scientific[exponentAt + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);
    qsizetype point = exponent + 1;

    const qsizetype keep = point + pattern.maxDecimals;
    const auto digitCount = static_cast<qsizetype>(digits.size());
    if (keep < 0) {
        digits.clear();
    } else if (keep < digitCount) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            std::size_t k = digits.size();
            while (k > 0 && digits[k - 1] == '9') {
                digits[--k] = '0';
            }
            if (k > 0) {
                ++digits[k - 1];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }
    const auto digitAt = [&digits](qsizetype k) {
        return k >= 0 && k < static_cast<qsizetype>(digits.size())
                   ? QChar(digits[static_cast<std::size_t>(k)])
                   : QChar(u'0');
    };

    QString integer;
    for (qsizetype k = 0; k < point; ++k) {
        integer += digitAt(k);
    }
    QString fraction;
    for (qsizetype k = 0; k < pattern.maxDecimals; ++k) {
        fraction += digitAt(point + k);
    }
    while (!integer.isEmpty() && integer.front() == u'0') {
        integer.remove(0, 1);
    }
    const bool isZero = integer.isEmpty() && fraction.count(u'0') == fraction.size();
    while (fraction.size() > pattern.minDecimals && fraction.back() == u'0') {
        fraction.chop(1);
    }
    if (integer.size() < pattern.minIntDigits) {
        integer.prepend(QString(pattern.minIntDigits - integer.size(), u'0'));
    }
    if (pattern.grouped) {
        const QString separator = locale.groupSeparator();
        for (qsizetype k = integer.size() - 3; k > 0; k -= 3) {
            integer.insert(k, separator);
        }
    }

    QString result;
    if (value < 0 && !isZero) {
        result += locale.negativeSign();
    }
    result += integer;
    if (!fraction.isEmpty()) {
        result += locale.decimalPoint() + fraction;
    }
    return result;
}
