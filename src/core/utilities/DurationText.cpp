#include "DurationText.h"

#include <QtGlobal>

#include <iterator>

namespace DurationText {

std::optional<double> parse(QStringView text)
{
    // Nine digits per number keep every sum far inside 64 bits; larger ones are over the limit anyway.
    constexpr qsizetype maximumDigits = 9;
    constexpr struct {
        char16_t unit;
        qint64 seconds;
    } units[] = {{u'h', 3600}, {u'm', 60}, {u's', 1}};

    qint64 total = 0;
    qsizetype i = 0;
    qsizetype nextUnit = 0; // units must come in order, each once
    while (i < text.size()) {
        const qsizetype start = i;
        qint64 number = 0;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            if (i - start == maximumDigits)
                return std::nullopt;
            number = number * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        if (i == start)
            return std::nullopt;
        if (i == text.size()) {
            // A number without a unit counts seconds, and only on its own.
            if (start != 0)
                return std::nullopt;
            total = number;
            break;
        }
        while (nextUnit < qsizetype(std::size(units)) && units[nextUnit].unit != text[i])
            ++nextUnit;
        if (nextUnit == qsizetype(std::size(units)))
            return std::nullopt;
        total += number * units[nextUnit].seconds;
        ++nextUnit;
        ++i;
    }
    if (total <= 0 || double(total) > maximumSeconds)
        return std::nullopt;
    return double(total);
}

} // namespace DurationText
