#include "pixelbuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace web {

using controls::PixelRect;

namespace {

// The first pixel whose centre lies at or right of `x`, and the first one
// whose centre lies right of `x`: pixel i has its centre at i + 0.5.
int FirstCentreFrom(double x)
{
    return int(std::ceil(x - 0.5));
}

int FirstCentreAfter(double x)
{
    return int(std::floor(x - 0.5)) + 1;
}

bool Finite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Coordinates beyond this lie far outside any image; clamping them keeps the
// conversions to int defined.
double Tame(double value)
{
    return std::clamp(value, -1e6, 1e6);
}

} // namespace

void PixelBuffer::Resize(int width, int height, controls::Color color, int top)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_top = top;
    // Sized first, then filled: assigning n copies of a value runs
    // several times slower in a browser's first-tier WebAssembly, and at
    // start-up that is the code that runs.
    m_pixels.resize(std::size_t(m_width) * std::size_t(m_height));
    Fill(color);
}

const std::uint8_t* PixelBuffer::Data() const
{
    return reinterpret_cast<const std::uint8_t*>(m_pixels.data());
}

void PixelBuffer::Fill(controls::Color color)
{
    std::fill(m_pixels.begin(), m_pixels.end(), Opaque(color));
}

void PixelBuffer::FillRect(const PixelRect& rect, controls::Color color)
{
    const PixelRect inside = rect.Intersected(Bounds());
    if (inside.IsEmpty())
        return;
    const std::uint32_t value = Opaque(color);
    for (int y = inside.top; y < inside.bottom; ++y)
        std::fill_n(m_pixels.begin() + std::ptrdiff_t(Index(inside.left, y)), inside.Width(), value);
}

void PixelBuffer::FillSpan(int y, double fromX, double toX, std::uint32_t value, const PixelRect& clip)
{
    const int first = std::max(FirstCentreFrom(Tame(fromX)), clip.left);
    const int end = std::min(FirstCentreAfter(Tame(toX)), clip.right);
    if (first < end)
        std::fill_n(m_pixels.begin() + std::ptrdiff_t(Index(first, y)), end - first, value);
}

// The capsule is convex, so each pixel row meets it in one span: the union of
// the spans of its two end discs and of the rectangle between them.
void PixelBuffer::FillCapsule(double x1, double y1, double x2, double y2, double width, controls::Color color,
                              const PixelRect& clip)
{
    if (!Finite(x1, y1, x2, y2) || !(width > 0))
        return;
    x1 = Tame(x1);
    y1 = Tame(y1);
    x2 = Tame(x2);
    y2 = Tame(y2);
    const double r = width / 2;
    const PixelRect area = clip.Intersected(Bounds());
    const int firstRow = std::max(FirstCentreFrom(std::min(y1, y2) - r), area.top);
    const int endRow = std::min(FirstCentreAfter(std::max(y1, y2) + r), area.bottom);
    if (firstRow >= endRow || area.IsEmpty())
        return;

    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    // The rectangle's corners: the ends moved by r across the segment.
    const double nx = length > 0 ? -dy / length * r : 0;
    const double ny = length > 0 ? dx / length * r : 0;
    const double corners[4][2] = {{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}};
    // Its edges, with what every row asks of them worked out once; an edge
    // that spans none of the rows is left out (the ends' edges span only the
    // rows near the ends).
    struct Edge {
        double x;     // where the edge starts
        double y;
        double lowest; // the rows it spans
        double highest;
        double across; // its extent in x and in y
        double down;
        double left;   // a level edge's ends
        double right;
    };
    Edge edges[4];
    int edgeCount = 0;
    for (int i = 0; length > 0 && i < 4; ++i) {
        const double* a = corners[i];
        const double* b = corners[(i + 1) % 4];
        const Edge edge{a[0], a[1], std::min(a[1], b[1]), std::max(a[1], b[1]), b[0] - a[0], b[1] - a[1],
                        std::min(a[0], b[0]), std::max(a[0], b[0])};
        if (edge.highest >= firstRow + 0.5 && edge.lowest <= endRow - 0.5)
            edges[edgeCount++] = edge;
    }

    const std::uint32_t value = Opaque(color);
    for (int row = firstRow; row < endRow; ++row) {
        const double yc = row + 0.5;
        double from = INFINITY;
        double to = -INFINITY;
        const auto disc = [&](double cx, double cy) {
            const double h = yc - cy;
            if (std::abs(h) > r)
                return;
            const double half = std::sqrt(r * r - h * h);
            from = std::min(from, cx - half);
            to = std::max(to, cx + half);
        };
        disc(x1, y1);
        disc(x2, y2);
        for (int i = 0; i < edgeCount; ++i) {
            const Edge& e = edges[i];
            if (e.lowest <= yc && yc <= e.highest) {
                const bool level = e.down == 0;
                const double x = level ? e.left : e.x + (yc - e.y) / e.down * e.across;
                from = std::min(from, x);
                to = std::max(to, level ? e.right : x);
            }
        }
        if (from <= to)
            FillSpan(row, from, to, value, area);
    }
}

void PixelBuffer::FillRoundedRect(double left, double top, double right, double bottom, double radius,
                                  controls::Color color, const PixelRect& clip)
{
    if (!Finite(left, top, right, bottom) || !std::isfinite(radius))
        return;
    const PixelRect area = clip.Intersected(Bounds());
    const int firstRow = std::max(FirstCentreFrom(Tame(top)), area.top);
    const int endRow = std::min(FirstCentreFrom(Tame(bottom)), area.bottom);
    const double r = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2);
    const std::uint32_t value = Opaque(color);
    for (int row = firstRow; row < endRow; ++row) {
        const double yc = row + 0.5;
        // How far the row's span is drawn in from each side by the corners.
        double inset = 0;
        const double fromCorner = std::max(top + r - yc, yc - (bottom - r));
        if (fromCorner > 0)
            inset = r - std::sqrt(std::max(0.0, r * r - fromCorner * fromCorner));
        // Right edge exclusive: the last centre lies left of it.
        FillSpan(row, left + inset, std::nextafter(right - inset, -INFINITY), value, area);
    }
}

void PixelBuffer::BlendMask(int x, int y, int maskWidth, int maskHeight, const std::uint8_t* mask,
                            controls::Color color, const PixelRect& clip)
{
    const PixelRect area = PixelRect{x, y, x + maskWidth, y + maskHeight}.Intersected(clip).Intersected(Bounds());
    if (area.IsEmpty() || !mask)
        return;
    const std::uint32_t channels[3] = {std::uint32_t(color.Red()), std::uint32_t(color.Green()),
                                       std::uint32_t(color.Blue())};
    for (int row = area.top; row < area.bottom; ++row) {
        const std::uint8_t* coverage = mask + std::ptrdiff_t(row - y) * maskWidth + (area.left - x);
        std::uint32_t* pixel = m_pixels.data() + Index(area.left, row);
        for (int column = area.left; column < area.right; ++column, ++coverage, ++pixel) {
            const std::uint32_t a = *coverage;
            if (a == 0)
                continue;
            std::uint32_t out = 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t below = (*pixel >> (8 * c)) & 0xFF;
                const std::uint32_t mixed = (channels[c] * a + below * (255 - a) + 127) / 255;
                out |= mixed << (8 * c);
            }
            *pixel = out;
        }
    }
}

void PixelBuffer::CopyFrom(const PixelBuffer& source, const PixelRect& rect)
{
    const PixelRect inside = rect.Intersected(Bounds()).Intersected(source.Bounds());
    if (inside.IsEmpty() || source.m_width != m_width)
        return;
    for (int y = inside.top; y < inside.bottom; ++y)
        std::memcpy(&m_pixels[Index(inside.left, y)], &source.m_pixels[source.Index(inside.left, y)],
                    std::size_t(inside.Width()) * sizeof(std::uint32_t));
}

void PixelBuffer::MultiplyBy(const PixelBuffer& source, const PixelRect& rect)
{
    const PixelRect inside = rect.Intersected(Bounds()).Intersected(source.Bounds());
    if (inside.IsEmpty() || source.m_width != m_width)
        return;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x)
            MultiplyPixel(x, y, source.m_pixels[source.Index(x, y)]);
    }
}

void PixelBuffer::MultiplyPixel(int x, int y, std::uint32_t by)
{
    std::uint32_t& pixel = m_pixels[Index(x, y)];
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t product = ((pixel >> shift) & 0xFF) * ((by >> shift) & 0xFF);
        result |= ((product + 127) / 255) << shift;
    }
    pixel = result;
}

} // namespace web
