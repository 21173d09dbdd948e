#include "platform/platform.h"

#include <array>
#include <cmath>

QColor Platform::rtcQBColor(int number)
{
    static constexpr std::array<QRgb, 16> colours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    if (number < 0 || number > 15)
        return {};
    return QColor(colours[static_cast<size_t>(number)]);
}

QString Platform::rtcStrFromVar(qint64 number)
{
    const QString digits = QString::number(number);
    return number >= 0 ? QLatin1Char(' ') + digits : digits;
}

QString Platform::plainNumberText(qint64 number)
{
    return QString::number(number);
}

double Platform::rtcR8ValFromBstr(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const auto isDigit = [&](qsizetype k) { return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    bool anyDigit = false;
    while (isDigit(i)) {
        ++i;
        anyDigit = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

qint64 Platform::rtcInt(double value)
{
    return static_cast<qint64>(std::floor(value));
}
