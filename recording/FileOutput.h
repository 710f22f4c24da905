#pragma once

#include "recording/RecordingOutput.h"

#include <memory>
#include <string>

namespace recording {

// A recording file on disk. A new recording replaces a file of the same
// name. Each sync also checks that the name still leads to this file, so a
// recording whose file was removed or replaced stops instead of writing
// into a file nobody can reach.
class FileOutput : public RecordingOutput {
public:
    // Nothing when the file cannot be created; `error` then says why.
    static std::unique_ptr<FileOutput> create(const std::string& path, std::string& error);
    ~FileOutput() override;
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    bool write(std::span<const uint8_t> bytes) override;
    bool sync() override;
    std::string error() const override { return m_error; }

private:
    FileOutput(std::string path, int fd);
    bool fail(const std::string& what);

    std::string m_path;
    int m_fd = -1;
    std::string m_error;
};

} // namespace recording
