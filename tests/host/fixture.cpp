// Test fixtures shared by the host tests.
#include "fixture.h"

static void PutLittle(std::string &Bytes, uint32_t Value, int Size)
{
    for (int I = 0; I < Size; I++)
        Bytes += (char)((Value >> (8 * I)) & 0xFF);
}

std::string MakeBitmap(int Width, int Height, unsigned Colour)
{
    int Stride = (Width * 3 + 3) / 4 * 4;
    std::string Bytes = "BM";
    PutLittle(Bytes, 54 + Stride * Height, 4);
    PutLittle(Bytes, 0, 4);
    PutLittle(Bytes, 54, 4);
    PutLittle(Bytes, 40, 4);
    PutLittle(Bytes, Width, 4);
    PutLittle(Bytes, Height, 4);
    PutLittle(Bytes, 1, 2);
    PutLittle(Bytes, 24, 2);
    PutLittle(Bytes, 0, 4);
    PutLittle(Bytes, Stride * Height, 4);
    PutLittle(Bytes, 2835, 4);
    PutLittle(Bytes, 2835, 4);
    PutLittle(Bytes, 0, 4);
    PutLittle(Bytes, 0, 4);
    for (int Row = 0; Row < Height; Row++) {
        for (int Column = 0; Column < Width; Column++)
            PutLittle(Bytes, Colour, 3);
        Bytes.append(Stride - Width * 3, '\0');
    }
    return Bytes;
}
