// The Windows build has no C runtime; these are the helpers the compiler
// emits calls to for zero-filling and copying records.
#include <stddef.h>

extern "C" void *memset(void *Destination, int Value, size_t Count)
{
    unsigned char *Byte = (unsigned char *)Destination;
    while (Count--)
        *Byte++ = (unsigned char)Value;
    return Destination;
}

extern "C" void *memcpy(void *Destination, const void *Source, size_t Count)
{
    unsigned char *To = (unsigned char *)Destination;
    const unsigned char *From = (const unsigned char *)Source;
    while (Count--)
        *To++ = *From++;
    return Destination;
}
