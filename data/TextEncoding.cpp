#include "TextEncoding.h"

#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace data {

namespace {

constexpr qint64 kChunk = 1 << 20;

// Follows the bytes of UTF-8 text and notes the first that breaks it:
// over-long forms, surrogates and code points past U+10FFFF included.
class Utf8Check {
public:
    void feed(QByteArrayView bytes)
    {
        for (const char b : bytes) {
            const auto c = uchar(b);
            if (m_left == 0) {
                if (c == 0)
                    m_broken = true;
                else if (c < 0x80)
                    continue;
                else if (c >= 0xC2 && c <= 0xDF)
                    start(1, 0x80, 0xBF);
                else if (c >= 0xE0 && c <= 0xEF)
                    start(2, c == 0xE0 ? 0xA0 : 0x80, c == 0xED ? 0x9F : 0xBF);
                else if (c >= 0xF0 && c <= 0xF4)
                    start(3, c == 0xF0 ? 0x90 : 0x80, c == 0xF4 ? 0x8F : 0xBF);
                else
                    m_broken = true;
            } else if (c >= m_low && c <= m_high) {
                --m_left;
                m_low = 0x80;
                m_high = 0xBF;
            } else {
                m_broken = true;
            }
            if (m_broken)
                return;
        }
    }
    bool broken() const { return m_broken; }
    bool valid() const { return !m_broken && m_left == 0; }

private:
    void start(int left, uchar low, uchar high)
    {
        m_left = left;
        m_low = low;
        m_high = high;
    }

    bool m_broken = false;
    int m_left = 0; // continuation bytes still to come
    uchar m_low = 0x80;
    uchar m_high = 0xBF;
};

// Follows the bytes of GB18030 text: ASCII, two-byte sequences, and the
// four-byte ones that the encoding assigns (the BMP up to U+FFFF, then
// U+10000 to U+10FFFF from 90 30 81 30 on).
class Gb18030Check {
public:
    void feed(QByteArrayView bytes)
    {
        for (const char b : bytes) {
            const auto c = uchar(b);
            m_bytes[m_held++] = c;
            if (!step())
                m_broken = true;
            if (m_broken)
                return;
        }
    }
    bool broken() const { return m_broken; }
    bool valid() const { return !m_broken && m_held == 0; }

private:
    // Judges the held bytes; false when they can start no character.
    bool step()
    {
        const uchar first = m_bytes[0];
        if (m_held == 1) {
            if (first == 0 || first == 0x80 || first == 0xFF)
                return false;
            if (first < 0x80)
                m_held = 0;
            return true;
        }
        const uchar c = m_bytes[m_held - 1];
        if (m_held == 2) {
            if ((c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE)) {
                m_held = 0;
                return true;
            }
            return c >= 0x30 && c <= 0x39;
        }
        if (m_held == 3)
            return c >= 0x81 && c <= 0xFE;
        if (c < 0x30 || c > 0x39)
            return false;
        const int linear = (((first - 0x81) * 10 + (m_bytes[1] - 0x30)) * 126 + (m_bytes[2] - 0x81)) * 10 + (c - 0x30);
        m_held = 0;
        constexpr int kLastOfBmp = 39419;          // 84 31 A4 39, U+FFFF
        constexpr int kFirstSupplementary = 189000; // 90 30 81 30, U+10000
        constexpr int kLastSupplementary = kFirstSupplementary + 0xFFFFF;
        return linear <= kLastOfBmp || (linear >= kFirstSupplementary && linear <= kLastSupplementary);
    }

    bool m_broken = false;
    uchar m_bytes[4] = {};
    int m_held = 0;
};

// Follows UTF-16 code units: every high surrogate followed by a low one.
class Utf16Check {
public:
    explicit Utf16Check(bool bigEndian) : m_bigEndian(bigEndian) {}
    void feed(QByteArrayView bytes)
    {
        for (const char b : bytes) {
            if (!m_haveHalf) {
                m_half = uchar(b);
                m_haveHalf = true;
                continue;
            }
            m_haveHalf = false;
            const char16_t unit = m_bigEndian ? char16_t(m_half << 8 | uchar(b)) : char16_t(uchar(b) << 8 | m_half);
            if (QChar::isHighSurrogate(unit)) {
                m_broken |= m_highPending;
                m_highPending = true;
            } else {
                m_broken |= m_highPending != QChar::isLowSurrogate(unit);
                m_highPending = false;
            }
        }
    }
    bool valid() const { return !m_broken && !m_haveHalf && !m_highPending; }

private:
    bool m_bigEndian;
    bool m_broken = false;
    bool m_haveHalf = false;
    bool m_highPending = false;
    uchar m_half = 0;
};

std::optional<DetectedEncoding> markOf(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return DetectedEncoding{TextEncoding::Utf8, 3};
    if (head.startsWith("\xFF\xFE"))
        return DetectedEncoding{TextEncoding::Utf16LE, 2};
    if (head.startsWith("\xFE\xFF"))
        return DetectedEncoding{TextEncoding::Utf16BE, 2};
    return std::nullopt;
}

} // namespace

std::optional<DetectedEncoding> detectEncoding(QIODevice &file, const std::function<void()> &chunkRead)
{
    QByteArray chunk = file.read(kChunk);
    const std::optional<DetectedEncoding> mark = markOf(chunk);
    const int skip = mark ? mark->markSize : 0;
    QByteArrayView bytes = QByteArrayView(chunk).sliced(skip);
    const auto nextChunk = [&] {
        if (chunkRead)
            chunkRead();
        chunk = file.read(kChunk);
        bytes = chunk;
    };
    if (mark && mark->encoding != TextEncoding::Utf8) {
        Utf16Check utf16(mark->encoding == TextEncoding::Utf16BE);
        for (; !bytes.isEmpty(); nextChunk())
            utf16.feed(bytes);
        return utf16.valid() ? mark : std::nullopt;
    }
    Utf8Check utf8;
    Gb18030Check gb18030; // only without a mark, which says UTF-8
    for (; !bytes.isEmpty(); nextChunk()) {
        utf8.feed(bytes);
        if (!mark)
            gb18030.feed(bytes);
        if (utf8.broken() && (mark || gb18030.broken()))
            return std::nullopt;
    }
    if (utf8.valid())
        return DetectedEncoding{TextEncoding::Utf8, skip};
    if (!mark && gb18030.valid())
        return DetectedEncoding{TextEncoding::Gb18030, 0};
    return std::nullopt;
}

struct TextDecoder::Iconv {
    iconv_t handle = iconv_t(-1);
    QByteArray held; // the start of a character whose rest is still to come
    bool error = false;

    ~Iconv()
    {
        if (handle != iconv_t(-1))
            iconv_close(handle);
    }

    QString decode(QByteArrayView bytes)
    {
        held.append(bytes);
        // No character of GB18030 takes fewer bytes than UTF-16 code units.
        QString text(held.size(), Qt::Uninitialized);
        char *in = held.data();
        size_t inLeft = size_t(held.size());
        char *out = reinterpret_cast<char *>(text.data());
        size_t outLeft = size_t(text.size()) * sizeof(char16_t);
        while (inLeft > 0) {
            if (iconv(handle, &in, &inLeft, &out, &outLeft) != size_t(-1) || errno == EINVAL)
                break;
            error = true;
            if (errno != EILSEQ)
                break;
            // A byte that starts no character: it stands for itself as U+FFFD.
            ++in;
            --inLeft;
            const char16_t replacement = QChar::ReplacementCharacter;
            memcpy(out, &replacement, sizeof replacement);
            out += sizeof replacement;
            outLeft -= sizeof replacement;
        }
        text.truncate((out - reinterpret_cast<char *>(text.data())) / qsizetype(sizeof(char16_t)));
        held = QByteArray(in, qsizetype(inLeft));
        return text;
    }
};

TextDecoder::TextDecoder(TextEncoding encoding, Engine engine)
{
    constexpr auto flags = QStringConverter::Flag::ConvertInitialBom; // the mark is skipped already
    switch (encoding) {
    case TextEncoding::Utf8:
        m_qt.emplace(QStringConverter::Utf8, flags);
        return;
    case TextEncoding::Utf16LE:
        m_qt.emplace(QStringConverter::Utf16LE, flags);
        return;
    case TextEncoding::Utf16BE:
        m_qt.emplace(QStringConverter::Utf16BE, flags);
        return;
    case TextEncoding::Gb18030:
        if (engine != Engine::Iconv) {
            // Made in place: a decoder of Qt's that ICU backs loses track of
            // its errors when it is assigned.
            m_qt.emplace("GB18030", flags);
            if (m_qt->isValid() || engine == Engine::Qt)
                return;
            m_qt.reset();
        }
        m_iconv = std::make_unique<Iconv>();
        m_iconv->handle = iconv_open(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE",
                                     "GB18030");
        m_iconv->error = m_iconv->handle == iconv_t(-1);
        return;
    }
}

TextDecoder::~TextDecoder() = default;

QString TextDecoder::decode(QByteArrayView bytes)
{
    if (m_iconv)
        return m_iconv->error && m_iconv->handle == iconv_t(-1) ? QString() : m_iconv->decode(bytes);
    return m_qt && m_qt->isValid() ? m_qt->decode(bytes) : QString();
}

bool TextDecoder::hasError() const
{
    if (m_iconv)
        return m_iconv->error;
    return !m_qt || !m_qt->isValid() || m_qt->hasError();
}

} // namespace data
