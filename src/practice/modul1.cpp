#include "practice/modul1.h"

#include "platform/platform.h"

namespace {

int draw(Platform &platform, int choices)
{
    return static_cast<int>(Platform::rtcInt(platform.rtcRandomNext() * choices));
}

}

TaskTexts NewTask(Modul1 &state, Platform &platform)
{
    platform.rtcRandomize(platform.rtcGetTimer());
    // The four draws keep this order: factor, units digit, tens digit, order.
    state.Factor = draw(platform, 8) + 2;
    state.UnitsDigit = draw(platform, 9) + 1;
    state.TensDigit = draw(platform, 9) + 1;
    const bool factorFirst = draw(platform, 2) == 1;
    state.Product = state.Factor * (10 * state.TensDigit + state.UnitsDigit);

    TaskTexts texts;
    texts.tensPart = Platform::plainNumberText(state.Factor * 10 * state.TensDigit);
    texts.unitsPart = Platform::plainNumberText(state.Factor * state.UnitsDigit);

    const QString factor = Platform::rtcStrFromVar(state.Factor);
    const QString twoDigits
        = Platform::rtcStrFromVar(state.TensDigit) + Platform::rtcStrFromVar(state.UnitsDigit);
    const QString dot = QStringLiteral(" ") + QChar(MiddleDot);
    texts.task = factorFirst ? factor + dot + twoDigits + QStringLiteral(" =")
                             : twoDigits + dot + factor + QStringLiteral(" =");

    state.ExpectedAnswer = texts.tensPart + QLatin1Char('+') + texts.unitsPart + QLatin1Char('=')
        + Platform::rtcStrFromVar(state.Product).mid(1);
    state.TypedAnswer.clear();
    return texts;
}
