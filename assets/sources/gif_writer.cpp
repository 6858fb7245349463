#include "gif_writer.h"

#include <QHash>
#include <QRect>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

struct Bin {
    int key = 0;  // 5-5-5 colour
    double r = 0, g = 0, b = 0;
    double count = 0;
};

int Channel(int key, int axis)
{
    return (key >> (10 - 5 * axis)) & 31;
}

// Median cut over the 5-bit-per-channel histogram of every frame.
std::vector<QRgb> MakePalette(const QList<QImage> &frames)
{
    std::vector<Bin> bins(32768);
    for (int i = 0; i < 32768; ++i)
        bins[size_t(i)].key = i;
    for (const QImage &frame : frames)
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb c = line[x];
                Bin &bin = bins[size_t(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3))];
                bin.r += qRed(c);
                bin.g += qGreen(c);
                bin.b += qBlue(c);
                bin.count += 1;
            }
        }
    std::vector<Bin> used;
    for (const Bin &bin : bins)
        if (bin.count > 0)
            used.push_back(bin);

    struct Box {
        size_t begin, end;  // into used
    };
    std::vector<Box> boxes{{0, used.size()}};
    const auto spread = [&](const Box &box, int &axis) {
        int best = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = 31, hi = 0;
            for (size_t i = box.begin; i < box.end; ++i) {
                lo = std::min(lo, Channel(used[i].key, a));
                hi = std::max(hi, Channel(used[i].key, a));
            }
            if (hi - lo > best) {
                best = hi - lo;
                axis = a;
            }
        }
        double count = 0;
        for (size_t i = box.begin; i < box.end; ++i)
            count += used[i].count;
        // Wide boxes of many pixels are split first; sqrt keeps rare colours in play.
        return best * std::sqrt(count);
    };
    while (boxes.size() < 256) {
        size_t pick = 0;
        int axis = 0;
        double score = -1;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int a = 0;
            const double s = spread(boxes[i], a);
            if (s > score) {
                score = s;
                pick = i;
                axis = a;
            }
        }
        if (score <= 0)
            break;
        Box box = boxes[pick];
        std::sort(used.begin() + long(box.begin), used.begin() + long(box.end),
                  [axis](const Bin &x, const Bin &y) { return Channel(x.key, axis) < Channel(y.key, axis); });
        double total = 0;
        for (size_t i = box.begin; i < box.end; ++i)
            total += used[i].count;
        double running = 0;
        size_t middle = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            running += used[i].count;
            middle = i + 1;
            if (running >= total / 2)
                break;
        }
        boxes[pick] = {box.begin, middle};
        boxes.push_back({middle, box.end});
    }
    std::vector<QRgb> palette;
    for (const Box &box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            r += used[i].r;
            g += used[i].g;
            b += used[i].b;
            n += used[i].count;
        }
        palette.push_back(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)));
    }
    while (palette.size() < 256)
        palette.push_back(qRgb(0, 0, 0));
    return palette;
}

std::vector<uint8_t> Indexed(const QImage &frame, const std::vector<QRgb> &palette,
                             QHash<QRgb, uint8_t> &cache)
{
    std::vector<uint8_t> out;
    out.reserve(size_t(frame.width()) * size_t(frame.height()));
    for (int y = 0; y < frame.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto found = cache.constFind(c);
            if (found == cache.constEnd()) {
                int best = 0;
                int bestDistance = 1 << 30;
                for (int i = 0; i < 256; ++i) {
                    const int dr = qRed(c) - qRed(palette[size_t(i)]);
                    const int dg = qGreen(c) - qGreen(palette[size_t(i)]);
                    const int db = qBlue(c) - qBlue(palette[size_t(i)]);
                    const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                found = cache.insert(c, uint8_t(best));
            }
            out.push_back(*found);
        }
    }
    return out;
}

class BitWriter {
public:
    void Write(uint32_t code, int bits)
    {
        m_buffer |= code << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.push_back(uint8_t(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    std::vector<uint8_t> Finish()
    {
        if (m_count > 0)
            m_bytes.push_back(uint8_t(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    uint32_t m_buffer = 0;
    int m_count = 0;
    std::vector<uint8_t> m_bytes;
};

// GIF's variable-width LZW with 8-bit symbols.
std::vector<uint8_t> Lzw(const std::vector<uint8_t> &symbols)
{
    constexpr int MinCodeSize = 8;
    constexpr uint32_t Clear = 1u << MinCodeSize;
    constexpr uint32_t End = Clear + 1;
    std::vector<std::array<uint16_t, 256>> tree(4096);
    const auto reset = [&] { for (auto &node : tree) node.fill(0); };
    reset();
    BitWriter out;
    int codeSize = MinCodeSize + 1;
    uint32_t maxCode = End;
    out.Write(Clear, codeSize);
    if (symbols.empty()) {
        out.Write(End, codeSize);
        return out.Finish();
    }
    uint32_t current = symbols[0];
    for (size_t i = 1; i < symbols.size(); ++i) {
        const uint8_t next = symbols[i];
        if (const uint16_t child = tree[current][next]) {
            current = child;
            continue;
        }
        out.Write(current, codeSize);
        tree[current][next] = uint16_t(++maxCode);
        if (maxCode >= (1u << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            out.Write(Clear, codeSize);
            reset();
            codeSize = MinCodeSize + 1;
            maxCode = End;
        }
        current = next;
    }
    out.Write(current, codeSize);
    out.Write(End, codeSize);
    return out.Finish();
}

void Put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

}  // namespace

QByteArray EncodeAnimatedGif(const QList<QImage> &source, int delayMs)
{
    if (source.isEmpty())
        return {};
    QList<QImage> frames;
    for (const QImage &frame : source)
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
    const int width = frames.first().width();
    const int height = frames.first().height();
    const std::vector<QRgb> palette = MakePalette(frames);

    QByteArray out("GIF89a");
    Put16(out, width);
    Put16(out, height);
    out.append(char(0xF7));  // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);  // loop for ever

    QHash<QRgb, uint8_t> cache;
    std::vector<uint8_t> previous;
    for (const QImage &frame : frames) {
        const std::vector<uint8_t> indices = Indexed(frame, palette, cache);
        // Only the rectangle that changed since the previous frame is stored.
        QRect changed(0, 0, width, height);
        if (!previous.empty()) {
            int left = width, right = -1, top = height, bottom = -1;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (indices[size_t(y * width + x)] != previous[size_t(y * width + x)]) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            changed = right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
        }
        std::vector<uint8_t> region;
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            for (int x = changed.left(); x <= changed.right(); ++x)
                region.push_back(indices[size_t(y * width + x)]);
        previous = indices;

        out.append("\x21\xF9\x04", 3);
        out.append(char(0x04));  // keep this frame under the next
        Put16(out, (delayMs + 5) / 10);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2C));
        Put16(out, changed.left());
        Put16(out, changed.top());
        Put16(out, changed.width());
        Put16(out, changed.height());
        out.append(char(0));
        out.append(char(8));
        const std::vector<uint8_t> data = Lzw(region);
        for (size_t i = 0; i < data.size(); i += 255) {
            const size_t n = std::min<size_t>(255, data.size() - i);
            out.append(char(n));
            out.append(reinterpret_cast<const char *>(data.data() + i), qsizetype(n));
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
