#pragma once

#include "recording/MonitorOutput.h"

#include "protocol/TelemetryDecoder.h"

#include <string>

struct InputOptions {
    long long count = 0;        // stop after this many frames; 0: all
    bool needsTimes = false;    // refuse raw captures (they carry no times)
};

// Decodes a raw capture or a recording (told apart by the recording mark)
// from a file or standard input ("-") and writes the output's text to
// standard output as it goes. A bad recording is reported on standard
// error with the byte where reading stopped, after everything before it
// was written. Returns the exit status.
int decodeInput(const std::string& path, protocol::TelemetryDecoder& decoder, MonitorOutput& output,
    const InputOptions& options);

// Feeds bytes one at a time so a count can stop in the middle of a batch.
// Returns true once the wanted number of frames has been decoded.
bool feedUntilCount(protocol::TelemetryDecoder& decoder, MonitorOutput& output, std::span<const uint8_t> bytes,
    long long count);

// Writes the output collected so far to standard output.
void writeOutput(MonitorOutput& output);
