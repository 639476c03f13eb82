#include "GifWriter.h"

#include <QList>

namespace {

constexpr int PaletteSize = 256;
constexpr int MinCodeSize = 8;
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int CodeBits = MinCodeSize + 1;
constexpr int LiteralsPerClear = 254;

void AppendWord(QByteArray& out, int value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

// Packs codes least significant bit first, as GIF's LZW stream wants them.
class TBitPacker final {
public:
    void Put(int code) {
        Bits |= quint32(code) << Count;
        Count += CodeBits;
        while (Count >= 8) {
            Bytes += char(Bits & 0xFF);
            Bits >>= 8;
            Count -= 8;
        }
    }
    QByteArray Finish() {
        if (Count > 0)
            Bytes += char(Bits & 0xFF);
        return Bytes;
    }

private:
    QByteArray Bytes;
    quint32 Bits = 0;
    int Count = 0;
};

} // namespace

QByteArray EncodeGif(const QImage& image) {
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> palette = indexed.colorTable();
    palette.resize(PaletteSize, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    AppendWord(out, indexed.width());
    AppendWord(out, indexed.height());
    out += char(0xF7); // global palette of 2^(7+1) entries, 8 bits per primary
    out += char(0);    // background colour index
    out += char(0);    // square pixels
    for (const QRgb colour : palette) {
        out += char(qRed(colour));
        out += char(qGreen(colour));
        out += char(qBlue(colour));
    }

    out += char(0x2C); // image descriptor: the whole screen, no local palette
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, indexed.width());
    AppendWord(out, indexed.height());
    out += char(0);

    TBitPacker packer;
    int sinceClear = LiteralsPerClear;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == LiteralsPerClear) {
                packer.Put(ClearCode);
                sinceClear = 0;
            }
            packer.Put(line[x]);
            ++sinceClear;
        }
    }
    packer.Put(EndCode);
    const QByteArray data = packer.Finish();

    out += char(MinCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);    // end of the image data
    out += char(0x3B); // trailer
    return out;
}
