// Draws the about window's picture: a rising candlestick chart with a moving average,
// a main-capital inflow area and volume bars on a dark rounded panel, 632 x 280 pixels,
// written as an 8-bit RGBA PNG.
//
// Usage: kestrum_make_picture <output file>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace kestrum::tools {
namespace {

constexpr int kWidth = 632;
constexpr int kHeight = 280;

struct Colour {
    double r, g, b, a;  // 0..255, alpha 0..1
};

class Canvas {
  public:
    Canvas() : pixels_(kWidth * kHeight, Colour{0, 0, 0, 0}) {}

    // Blends a colour over the pixel with the given coverage (0..1).
    void blend(int x, int y, Colour c, double coverage) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight || coverage <= 0)
            return;
        Colour& p = pixels_[y * kWidth + x];
        const double a = c.a * std::min(coverage, 1.0);
        const double outA = a + p.a * (1 - a);
        if (outA <= 0)
            return;
        p.r = (c.r * a + p.r * p.a * (1 - a)) / outA;
        p.g = (c.g * a + p.g * p.a * (1 - a)) / outA;
        p.b = (c.b * a + p.b * p.a * (1 - a)) / outA;
        p.a = outA;
    }

    // Fills the region where inside(x, y) holds, with 4 x 4 samples per pixel for soft edges,
    // inside the bounding box [x0, x1) x [y0, y1).
    void fill(int x0, int y0, int x1, int y1, const std::function<bool(double, double)>& inside,
              const std::function<Colour(double, double)>& colour) {
        for (int y = std::max(y0, 0); y < std::min(y1, kHeight); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, kWidth); ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx)
                        hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
                if (hits > 0)
                    blend(x, y, colour(x + 0.5, y + 0.5), hits / 16.0);
            }
    }

    void rectangle(double x0, double y0, double x1, double y1, Colour c) {
        fill(
            static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
            static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1)),
            [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
            [&](double, double) { return c; });
    }

    void line(double ax, double ay, double bx, double by, double width, Colour c) {
        const double dx = bx - ax, dy = by - ay;
        const double lengthSquared = dx * dx + dy * dy;
        const double half = width / 2;
        fill(
            static_cast<int>(std::min(ax, bx) - width), static_cast<int>(std::min(ay, by) - width),
            static_cast<int>(std::max(ax, bx) + width + 1),
            static_cast<int>(std::max(ay, by) + width + 1),
            [&](double x, double y) {
                double t = lengthSquared > 0 ? ((x - ax) * dx + (y - ay) * dy) / lengthSquared : 0;
                t = std::clamp(t, 0.0, 1.0);
                const double px = ax + t * dx - x, py = ay + t * dy - y;
                return px * px + py * py <= half * half;
            },
            [&](double, double) { return c; });
    }

    std::vector<std::uint8_t> rgbaRows() const {
        std::vector<std::uint8_t> raw;
        raw.reserve((kWidth * 4 + 1) * kHeight);
        for (int y = 0; y < kHeight; ++y) {
            raw.push_back(0);  // filter type: none
            for (int x = 0; x < kWidth; ++x) {
                const Colour& p = pixels_[y * kWidth + x];
                for (double v : {p.r, p.g, p.b, p.a * 255})
                    raw.push_back(
                        static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))));
            }
        }
        return raw;
    }

  private:
    std::vector<Colour> pixels_;
};

class Random {
  public:
    double next() {  // 0..1
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53);
    }

  private:
    std::uint64_t state_ = 0x6b657374ull;
};

struct Candle {
    double open, close, high, low, volume;
};

// A price that roughly doubles over the chart: a quiet base, then a steady climb.
std::vector<Candle> makeCandles(int count) {
    Random random;
    std::vector<Candle> candles;
    double price = 10.0;
    for (int i = 0; i < count; ++i) {
        const double progress = static_cast<double>(i) / (count - 1);
        const double drift = progress < 0.35 ? -0.004 : 0.026;
        const double move = drift + (random.next() - 0.42) * 0.09;
        const double open = price;
        const double close = std::max(open * (1 + move), 1.0);
        const double high = std::max(open, close) * (1 + random.next() * 0.02);
        const double low = std::min(open, close) * (1 - random.next() * 0.02);
        const double volume = 0.3 + random.next() * 0.4 + (progress > 0.35 ? progress * 0.5 : 0);
        candles.push_back({open, close, high, low, volume});
        price = close;
    }
    return candles;
}

void drawStar(Canvas& canvas, double cx, double cy, double outer, Colour c) {
    std::array<std::pair<double, double>, 10> points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.42;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        points[i] = {cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
    }
    auto inside = [&](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                in = !in;
        }
        return in;
    };
    canvas.fill(static_cast<int>(cx - outer - 1), static_cast<int>(cy - outer - 1),
                static_cast<int>(cx + outer + 2), static_cast<int>(cy + outer + 2), inside,
                [&](double, double) { return c; });
}

Canvas drawPicture() {
    Canvas canvas;
    // Panel: a dark blue gradient with rounded corners; outside the corners stays transparent.
    const double radius = 18;
    canvas.fill(
        0, 0, kWidth, kHeight,
        [&](double x, double y) {
            const double cx = std::clamp(x, radius, kWidth - radius);
            const double cy = std::clamp(y, radius, kHeight - radius);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
        },
        [&](double, double y) {
            const double t = y / kHeight;
            return Colour{10 + 12 * t, 16 + 14 * t, 34 + 22 * t, 1.0};
        });

    const double left = 28, right = kWidth - 28, top = 26, priceBottom = 196;
    const double volumeTop = 212, volumeBottom = kHeight - 22;
    const Colour grid{255, 255, 255, 0.08};
    for (double y = top; y <= priceBottom + 0.5; y += (priceBottom - top) / 5)
        canvas.line(left, y, right, y, 1, grid);
    for (double x = left; x <= right + 0.5; x += (right - left) / 8)
        canvas.line(x, top, x, volumeBottom, 1, grid);
    canvas.line(left, volumeTop - 6, right, volumeTop - 6, 1, Colour{255, 255, 255, 0.16});

    const int count = 48;
    const std::vector<Candle> candles = makeCandles(count);
    double lowest = candles[0].low, highest = candles[0].high, loudest = 0;
    for (const Candle& c : candles) {
        lowest = std::min(lowest, c.low);
        highest = std::max(highest, c.high);
        loudest = std::max(loudest, c.volume);
    }
    const double step = (right - left) / count;
    auto xOf = [&](int i) { return left + step * (i + 0.5); };
    auto yOf = [&](double price) {
        return priceBottom - (price - lowest) / (highest - lowest) * (priceBottom - top - 18);
    };

    // Main-capital inflow: an orange area rising under the candles.
    std::vector<double> inflow(count);
    double running = 0;
    for (int i = 0; i < count; ++i) {
        running += (candles[i].close - candles[i].open) * candles[i].volume;
        inflow[i] = running;
    }
    const double inflowMin = *std::min_element(inflow.begin(), inflow.end());
    const double inflowMax = *std::max_element(inflow.begin(), inflow.end());
    auto inflowY = [&](double x) {
        const double position = std::clamp((x - left) / step - 0.5, 0.0, count - 1.0);
        const int i = std::min(static_cast<int>(position), count - 2);
        const double value = inflow[i] + (inflow[i + 1] - inflow[i]) * (position - i);
        return priceBottom - (value - inflowMin) / (inflowMax - inflowMin) * 110;
    };
    canvas.fill(
        static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
        static_cast<int>(priceBottom) + 1,
        [&](double x, double y) {
            return x >= left && x < right && y >= inflowY(x) && y < priceBottom;
        },
        [&](double, double y) {
            const double t = (priceBottom - y) / 110;
            return Colour{255, 105, 42, 0.10 + 0.28 * t};
        });
    for (int i = 0; i + 1 < count; ++i)
        canvas.line(xOf(i), inflowY(xOf(i)), xOf(i + 1), inflowY(xOf(i + 1)), 1.6,
                    Colour{255, 140, 70, 0.9});

    const Colour rise{236, 62, 54, 1.0}, fall{34, 178, 96, 1.0};
    for (int i = 0; i < count; ++i) {
        const Candle& c = candles[i];
        const Colour colour = c.close >= c.open ? rise : fall;
        const double x = xOf(i);
        canvas.line(x, yOf(c.high), x, yOf(c.low), 1.2, colour);
        const double bodyTop = yOf(std::max(c.open, c.close));
        const double bodyBottom = std::max(yOf(std::min(c.open, c.close)), bodyTop + 1.5);
        canvas.rectangle(x - step * 0.32, bodyTop, x + step * 0.32, bodyBottom, colour);
        const double barTop = volumeBottom - c.volume / loudest * (volumeBottom - volumeTop);
        canvas.rectangle(x - step * 0.32, barTop, x + step * 0.32, volumeBottom,
                         Colour{colour.r, colour.g, colour.b, 0.55});
    }

    // Five-day moving average of the closing price.
    const Colour gold{255, 198, 40, 1.0};
    for (int i = 5; i < count; ++i) {
        auto average = [&](int end) {
            double sum = 0;
            for (int k = end - 4; k <= end; ++k)
                sum += candles[k].close;
            return sum / 5;
        };
        canvas.line(xOf(i - 1), yOf(average(i - 1)), xOf(i), yOf(average(i)), 2.2, gold);
    }

    // The star that marks a doubled price, with a soft glow behind it.
    const double starX = xOf(count - 1) - 6, starY = yOf(candles.back().high) - 4;
    for (int ring = 5; ring >= 1; --ring)
        drawStar(canvas, starX, starY, 12 + ring * 2.5, Colour{255, 210, 60, 0.06});
    drawStar(canvas, starX, starY, 12, gold);
    return canvas;
}

void putChunk(std::vector<std::uint8_t>& png, const char* type,
              const std::vector<std::uint8_t>& data) {
    auto putU32 = [&](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back((v >> shift) & 0xFF);
    };
    putU32(static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putU32(static_cast<std::uint32_t>(
        crc32(0, png.data() + typeAt, static_cast<uInt>(png.size() - typeAt))));
}

std::vector<std::uint8_t> encodePng(const Canvas& canvas) {
    const std::vector<std::uint8_t> raw = canvas.rgbaRows();
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) !=
        Z_OK)
        return {};
    packed.resize(packedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> header = {0,
                                        0,
                                        (kWidth >> 8) & 0xFF,
                                        kWidth & 0xFF,
                                        0,
                                        0,
                                        (kHeight >> 8) & 0xFF,
                                        kHeight & 0xFF,
                                        8,  // bits per channel
                                        6,  // colour type: RGBA
                                        0,
                                        0,
                                        0};
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

}  // namespace
}  // namespace kestrum::tools

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> png = kestrum::tools::encodePng(kestrum::tools::drawPicture());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (png.empty() || !out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
