#include "language/Numbers.h"

#include <cmath>

#include "language/Language.h"

namespace zandoli::numbers {

namespace {

QLocale plain() {
    return language::locale();
}

}  // namespace

QString decimal(double value) {
    const QLocale locale = plain();
    QString text = locale.toString(value, 'f', 2);
    const QString zero = locale.zeroDigit();
    while (text.endsWith(zero)) {
        text.chop(zero.size());
    }
    if (text.endsWith(locale.decimalPoint())) {
        text.chop(locale.decimalPoint().size());
    }
    return text;
}

QString percent(double value) {
    const QLocale locale = plain();
    const QString number = locale.toString(std::lround(value * 100));
    return number + (language::spacedPercent() ? QStringLiteral("\u00a0") : QString()) +
           locale.percent();
}

QString count(int whole) {
    return plain().toString(whole);
}

}  // namespace zandoli::numbers
