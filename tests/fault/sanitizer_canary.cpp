// Commits one fault on purpose, named by the argument, so that the build's
// tests can prove its sanitizers are live: each case passes only when the
// sanitizer reports the fault.

#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Keeps the compiler from seeing the fault coming.
int Opaque(int value)
{
    volatile int kept = value;
    return kept;
}

int HeapOverflow()
{
    const std::unique_ptr<char[]> bytes(new char[8]());
    return bytes[Opaque(8)];
}

int UseAfterFree()
{
    char* bytes = new char[8]();
    delete[] bytes;
    return bytes[Opaque(0)];
}

int SignedOverflow()
{
    return Opaque(INT_MAX) + Opaque(1);
}

int Leak()
{
    char* bytes = new char[64];
    std::memset(bytes, 1, 64);
    bytes = nullptr;
    return 0;
}

// Inside the string's own storage, where only the library's checks see it.
int StringIndexPastTheEnd()
{
    const std::string text(3, 'x');
    return text[static_cast<std::size_t>(Opaque(5))];
}

}  // namespace

int main(int argc, char** argv)
{
    // A failed library assertion aborts after its report; end with a plain
    // failure status instead, so the test judges the report alone.
    std::signal(SIGABRT, [](int) { _exit(1); });
    const std::string fault = argc > 1 ? argv[1] : "";
    if (fault == "heap-overflow")
        return HeapOverflow();
    if (fault == "use-after-free")
        return UseAfterFree();
    if (fault == "signed-overflow")
        return SignedOverflow();
    if (fault == "leak")
        return Leak();
    if (fault == "string-index")
        return StringIndexPastTheEnd();
    std::fprintf(stderr, "usage: sanitizer_canary heap-overflow|use-after-free|signed-overflow|leak|string-index\n");
    return 2;
}
