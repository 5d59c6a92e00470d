// The custom-duration field: whatever the user types, in minutes.
#include "FuzzCheck.h"
#include "menubar/MenuModel.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// A plain decimal number: sign, digits with at most one point (at least one digit), exponent.
bool isPlainDecimal(const QByteArray &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    int digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        const qsizetype start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == start)
            return false;
    }
    return i == n;
}

QString trimmedSpacesAndTabs(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const std::optional<double> seconds = MenuModel::parseCustomMinutes(text);
    if (seconds)
        FUZZ_CHECK(*seconds > 0); // never zero, negative or NaN
    FUZZ_CHECK(MenuModel::parseCustomMinutes(u" \t"_s + text + u"\t "_s) == seconds);

    // Against the C library's reading of the same number.
    const QString trimmed = trimmedSpacesAndTabs(text);
    const QByteArray latin = trimmed.toLatin1();
    const bool ascii =
        std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.unicode() < 0x80; });
    const bool plain = ascii && isPlainDecimal(latin);
    if (!plain) {
        FUZZ_CHECK(!seconds);
        return 0;
    }
    errno = 0;
    const double minutes = std::strtod(latin.constData(), nullptr);
    const bool rangeError = errno == ERANGE;
    if (seconds) {
        FUZZ_CHECK(minutes > 0);
        FUZZ_CHECK(*seconds == minutes * 60);
    } else if (!rangeError) {
        FUZZ_CHECK(!(minutes > 0));
    }
    return 0;
}
