#pragma once
// A panel file as 8-bit text. A file that begins with a UTF-16 mark (FF FE
// little-endian, FE FF big-endian) is decoded to UTF-8; one that begins with
// the UTF-8 mark has the mark skipped; any other file is text in the Windows
// code page, passed on as it is.

#include <memory>
#include <string>

#include "file_system.h"
#include "text_encoding.h"

namespace dalvorn {

class PanelTextFile : public ReadableFile {
public:
    // Reads the file's first bytes to learn its encoding.
    explicit PanelTextFile(std::unique_ptr<ReadableFile> file);

    // The encoding of the text Read delivers.
    PanelTextEncoding Encoding() const { return encoding_; }

    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    std::unique_ptr<ReadableFile> file_;
    std::unique_ptr<char[]> raw_;  // what one read of the file delivers
    PanelTextEncoding encoding_ = PanelTextEncoding::CodePage;
    bool utf16_ = false;
    bool endOfFile_ = false;
    Utf16Decoder decoder_;
    std::string pending_;  // text read ahead or decoded, not yet delivered
    std::size_t pendingStart_ = 0;
};

}  // namespace dalvorn
