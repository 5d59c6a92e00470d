// The command line's durations ("90", "45m", "1h30m"): whatever is typed or sent, in bytes.
#include "FuzzCheck.h"
#include "utilities/DurationText.h"

#include <QString>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const std::optional<double> seconds = DurationText::parse(text);
    if (!seconds)
        return 0;

    // Whole seconds within the limit, from ASCII digits and units only.
    FUZZ_CHECK(*seconds >= 1 && *seconds <= DurationText::maximumSeconds);
    FUZZ_CHECK(std::floor(*seconds) == *seconds);
    FUZZ_CHECK(std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'h' || c == u'm' || c == u's';
    }));

    // The same amount written the longest and the shortest way reads the same.
    const auto whole = qint64(*seconds);
    const QString spelled = u"%1h%2m%3s"_s.arg(whole / 3600).arg(whole / 60 % 60).arg(whole % 60);
    FUZZ_CHECK(DurationText::parse(spelled) == seconds);
    FUZZ_CHECK(DurationText::parse(QString::number(whole)) == seconds);
    FUZZ_CHECK(DurationText::parse(QString(QString::number(whole) + u's')) == seconds);
    return 0;
}
