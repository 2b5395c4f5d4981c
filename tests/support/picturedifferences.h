#pragma once

#include <QImage>
#include <QRegion>

#include <algorithm>

// The pixels of `first` outside `ignored` unlike anything in `second`
// within one pixel, and the other way round, marked red on a pale copy of
// `first`; `count` says how many. A pixel is alike when each of its colour
// channels lies within the range its 3 x 3 neighbourhood in the other
// picture spans, give or take a little: two painters may put an edge, a
// glyph's stem or a grid line a pixel apart and shade an edge in a grey of
// their own, but a line, letter or box that is missing or misplaced leaves
// colours where the other picture has none.
inline QImage Differences(const QImage& first, const QImage& second, const QRegion& ignored, int& count)
{
    constexpr int slack = 40; // per channel, of 255
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    count = a.width() * a.height();
    if (a.size() != b.size())
        return {};
    QImage marked(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int pale = 255 - (255 - qGray(a.pixel(x, y))) / 4;
            marked.setPixel(x, y, qRgb(pale, pale, pale));
        }
    }
    count = 0;
    const auto unlike = [&](const QImage& from, const QImage& in) {
        for (int y = 0; y < from.height(); ++y) {
            for (int x = 0; x < from.width(); ++x) {
                if (ignored.contains(QPoint(x, y)))
                    continue;
                const QRgb p = from.pixel(x, y);
                bool alike = true;
                using Channel = int (*)(QRgb);
                for (const Channel channel : {Channel(qRed), Channel(qGreen), Channel(qBlue)}) {
                    int low = 255, high = 0;
                    for (int dy = -1; dy <= 1; ++dy) {
                        for (int dx = -1; dx <= 1; ++dx) {
                            const QPoint q(x + dx, y + dy);
                            if (!in.rect().contains(q))
                                continue;
                            low = std::min(low, channel(in.pixel(q)));
                            high = std::max(high, channel(in.pixel(q)));
                        }
                    }
                    alike = alike && channel(p) >= low - slack && channel(p) <= high + slack;
                }
                if (!alike) {
                    ++count;
                    marked.setPixel(x, y, qRgb(255, 0, 0));
                }
            }
        }
    };
    unlike(a, b);
    unlike(b, a);
    return marked;
}
