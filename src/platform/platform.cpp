#include "platform/platform.h"

#include <QRegularExpression>

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
    static const QRegularExpression leadingNumber(
        QStringLiteral("^[ \\t]*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const double value = leadingNumber.match(text).captured(1).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

qint64 Platform::rtcInt(double value)
{
    return static_cast<qint64>(std::floor(value));
}
