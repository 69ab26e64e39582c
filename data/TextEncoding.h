#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <functional>
#include <memory>
#include <optional>

namespace data {

// The encodings a text file of rows may come in: what spreadsheet programs
// and the export write.
enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Gb18030 };

struct DetectedEncoding {
    TextEncoding encoding;
    int markSize; // bytes of the byte-order mark at the start, to be skipped
};

// Decides the encoding of a file from its bytes, read once in chunks from
// the start of `file`: a byte-order mark names UTF-8 or UTF-16; without one
// it is UTF-8 when every byte sequence is valid UTF-8, else GB18030 when
// every sequence is valid there. Nothing when the bytes are neither (NUL
// bytes, say, which no text of ours holds). `chunkRead` is heard after each
// chunk (to tell how far the pass has come).
std::optional<DetectedEncoding> detectEncoding(QIODevice &file, const std::function<void()> &chunkRead = {});

// Turns bytes, given in chunks as they are read, into text; a character
// split between two chunks comes out whole.
class TextDecoder {
public:
    // How GB18030 is decoded: by Qt when its build knows the encoding, else
    // by the C library's iconv.
    enum class Engine { Automatic, Qt, Iconv };

    explicit TextDecoder(TextEncoding encoding, Engine engine = Engine::Automatic);
    ~TextDecoder();
    TextDecoder(const TextDecoder &) = delete;
    TextDecoder &operator=(const TextDecoder &) = delete;

    QString decode(QByteArrayView bytes);
    // True once bytes were met that the encoding does not allow (or when no
    // decoder for it is to be had).
    bool hasError() const;

private:
    struct Iconv;
    std::optional<QStringDecoder> m_qt;
    std::unique_ptr<Iconv> m_iconv;
};

} // namespace data
