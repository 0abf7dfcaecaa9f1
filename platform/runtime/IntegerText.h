#pragma once
// Whole numbers as text and back. The user's locale plays no part, so stored and displayed
// integers always read the same way.

#include <QString>
#include <cstdint>

// Plain decimal, '-' for negatives, no grouping.
QString IntToStr(std::int32_t value);

// Decimal or '$'/'x'/'0x' hexadecimal, after optional leading spaces and one sign; nothing may
// trail. Throws EConvertError for anything else, including values outside 32 bits.
std::int32_t StrToInt(const QString& text);
