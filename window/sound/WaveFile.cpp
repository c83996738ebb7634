#include "WaveFile.h"

#include <QtEndian>

namespace {

quint32 u32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

std::optional<WaveSound> readWave(const QByteArray& file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<QAudioFormat> format;
    qsizetype offset = 12;
    while (offset + 8 <= file.size()) {
        const QByteArray id = file.mid(offset, 4);
        const qsizetype size = u32At(file, offset + 4);
        const qsizetype body = offset + 8;
        if (size > file.size() - body) {
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            const quint16 tag = u16At(file, body);
            const quint16 channels = u16At(file, body + 2);
            const quint32 rate = u32At(file, body + 4);
            const quint16 bits = u16At(file, body + 14);
            if (tag != 1 || bits != 16 || channels == 0 || rate == 0) {
                return std::nullopt;
            }
            format.emplace();
            format->setSampleFormat(QAudioFormat::Int16);
            format->setChannelCount(channels);
            format->setSampleRate(static_cast<int>(rate));
        } else if (id == "data") {
            if (!format) {
                return std::nullopt;
            }
            return WaveSound{*format, file.mid(body, size)};
        }
        // Chunks are padded to an even length.
        offset = body + size + (size & 1);
    }
    return std::nullopt;
}
