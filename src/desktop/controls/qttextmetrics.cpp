#include "qttextmetrics.h"

#include "qtconvert.h"

#include <QFontInfo>
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
    // The lesson's panel brings new texts at every degree; kept without end,
    // they would make every look-up slower and the memory larger.
    constexpr std::size_t mostTexts = 512;
    if (m_measured.size() == mostTexts)
        m_measured.clear();
    m_measured.push_back(Entry{font, std::string(text), size});
    return size;
}

// Neither is needed while A is dragged, only when the figure is written out.
float QtTextMetrics::Ascent(const controls::Font& font) const
{
    return float(QFontMetricsF(ToQFont(font)).ascent());
}

std::string QtTextMetrics::Family(const controls::Font& font) const
{
    return QFontInfo(ToQFont(font)).family().toStdString();
}

} // namespace qtcontrols
