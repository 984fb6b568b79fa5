#pragma once
// Shared pieces of the fuzz targets.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Vireo::Fuzz {

// Creates the process's QApplication (offscreen platform) once; widgets need one.
void ensureApplication();

// The fuzzer's bytes as a QByteArray that shares nothing with the fuzzer's buffer.
QByteArray bytes(const uint8_t* data, size_t size);

// The fuzzer's bytes read as UTF-8 (invalid sequences become replacement characters, as a
// QLineEdit would receive them from an input method).
QString text(const uint8_t* data, size_t size);

// Stops the run with a message when a property of the code under test does not hold.
[[noreturn]] void fail(const char* what, const QString& detail);

} // namespace Vireo::Fuzz

// Checks a property; a failure aborts, so libFuzzer records the input as a crash.
#define VIREO_FUZZ_CHECK(cond, detail)                                                                                 \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::Vireo::Fuzz::fail(#cond, (detail));                                                                      \
    } while (false)
