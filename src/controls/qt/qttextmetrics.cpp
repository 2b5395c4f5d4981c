#include "qttextmetrics.h"

#include "qtconvert.h"

#include <QFontMetricsF>

#include <cmath>

namespace qtcontrols {

controls::TextSize QtTextMetrics::Measure(const controls::Font& font, std::string_view text) const
{
    for (const Entry& entry : m_measured) {
        if (entry.text == text && entry.font == font)
            return entry.size;
    }

    const QFontMetricsF metrics(ToQFont(font));
    const controls::TextSize size{float(std::ceil(metrics.horizontalAdvance(ToQString(text)))),
                                  float(std::ceil(metrics.height()))};
    m_measured.push_back(Entry{font, std::string(text), size});
    return size;
}

} // namespace qtcontrols
