#pragma once
// Numbers as text in a "#,##0.###"-style pattern, with the separators of a locale.

#include <QLocale>
#include <QString>

// ',' asks for thousands groups, the '0's before the point give the minimum integer digits, the
// '0's after it the fixed decimals and the following '#'s the optional ones. Throws EConvertError
// for a pattern outside that family.
QString FormatFloat(const QString& format, double value, const QLocale& locale = QLocale());
