#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

#include <cmath>
#include <optional>

namespace zenbelts {

// A number of degrees as typed: the user's decimal separator or a point, a
// degree sign or none, the marks that keep numbers in order in right-to-left
// text ignored. Null when it does not read. A comma is a decimal separator or
// nothing, never one of thousands: "1,500" is no thousand and a half.
inline std::optional<double> ReadTypedDegrees(const QString& typed)
{
    QString text = typed;
    for (QChar mark : {QChar(0x00B0), QChar(0x2066), QChar(0x2068), QChar(0x2069)})
        text.remove(mark);
    text = text.trimmed();
    QLocale user;
    user.setNumberOptions(user.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    double degrees = user.toDouble(text, &ok);
    if (!ok)
        degrees = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(degrees))
        return std::nullopt;
    return degrees;
}

}  // namespace zenbelts
