#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

// The samples of a PCM WAVE file and how to play them.
struct WaveSound
{
    QAudioFormat format;
    QByteArray samples;
};

// Reads a RIFF WAVE file of 16-bit PCM: finds its "fmt " and "data" chunks, skipping any
// other chunk ("fact", "LIST", ...). Empty for anything else or a damaged file.
std::optional<WaveSound> readWave(const QByteArray& file);
