// Names in the system's ANSI code page, as kernel32's A-functions spell them.

#include <windows.h>

#include <mbctype.h>
#include <mbstring.h>

#include "core/text_case.h"
#include "win32_text.h"
#include "win32_file_system.h"

namespace dalvorn {

namespace {

class Win32Naming : public Naming {
public:
    // Lets the multibyte functions know the ANSI code page's lead bytes.
    Win32Naming() { _setmbcp(_MB_CP_ANSI); }

    // The code page's own case mapping, whole characters at a time; spared
    // for ASCII, which it lowers the same in every code page.
    void LowerCaseInPlace(std::string& text) const override
    {
        if (!text.empty() && !LowerCaseIfAscii(text))
            CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    }

    // As the A-functions spell file names: the ANSI code page, with its
    // best-fit characters.
    std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const override
    {
        if (encoding == PanelTextEncoding::CodePage || text.empty())
            return text;
        return CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, text));
    }

    // No code page leads a double-byte character with an ASCII byte.
    bool IsLeadByte(char byte) const override
    {
        const auto value = static_cast<BYTE>(byte);
        return value >= 0x80 && IsDBCSLeadByte(value) != FALSE;
    }

    bool EndsWithSeparator(const std::string& text) const override
    {
        if (text.empty())
            return false;
        const auto* begin = reinterpret_cast<const unsigned char*>(text.c_str());
        const unsigned char* last = _mbsdec(begin, begin + text.size());
        return last == begin + text.size() - 1 && *last == '\\';
    }

    // ASCII is in that order byte by byte; other text is compared as its
    // UTF-16 units, whose order is that of the characters the code page can
    // spell.
    bool NamePrecedes(const std::string& left, const std::string& right) const override
    {
        if (IsAscii(left) && IsAscii(right))
            return left < right;
        return WideFromCodePage(CP_ACP, left) < WideFromCodePage(CP_ACP, right);
    }
};

}  // namespace

const Naming& Win32FileSystem::Names() const
{
    static const Win32Naming naming;
    return naming;
}

}  // namespace dalvorn
