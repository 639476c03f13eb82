#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

// A property the code under test must keep; a broken one aborts with the
// message, which the fuzzer reports as a crash with the input that did it.
void FuzzCheck(bool condition, const char* what);

// The fuzzer's input as bytes, without a copy.
QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size);

// A path in this process's own scratch folder (in memory where /dev/shm is
// there), for the readers that take a file name.
QString ScratchPath(const QString& name);

// Replaces the file with the bytes; aborts when it cannot.
void WriteScratchFile(const QString& path, const QByteArray& bytes);
