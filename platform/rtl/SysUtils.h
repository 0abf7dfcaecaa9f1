#pragma once
// Conversions between numbers and text used throughout the program. They ignore the user's locale
// unless a locale is passed in, so stored and displayed integers always read the same way.

#include <QLocale>
#include <QString>
#include <cstdint>

// Plain decimal, '-' for negatives, no grouping.
QString IntToStr(std::int32_t value);

// Decimal or '$'/'x'/'0x' hexadecimal, after optional leading spaces and one sign; nothing may
// trail. Throws EConvertError for anything else, including values outside 32 bits.
std::int32_t StrToInt(const QString& text);

// Formats with a "#,##0.###"-style pattern: ',' asks for thousands groups, the '0's before the
// point give the minimum integer digits, the '0's after it the fixed decimals and the following
// '#'s the optional ones. Throws EConvertError for a pattern outside that family.
QString FormatFloat(const QString& format, double value, const QLocale& locale = QLocale());
