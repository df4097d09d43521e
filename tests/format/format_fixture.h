#pragma once
// Builds "format.tsd" bytes: kind byte, line end, descriptor, grid blocks and preview blocks.
#include <string>
#include <vector>

struct FormatFixture {
    unsigned char kind = 1;
    std::string code = "M100AA00";
    int cols = 2;
    int rows = 1;
    int hGap = 3;      // field 16
    int vGap = 10;     // field 18
    int sizeIndex = 6;  // field 28
    bool withOutline = false;  // fields 29 and 30
    int field29 = 150;
    int field30 = 25;
    int previews = 3;
    const char* lineEnd = "\r\n";

    // Descriptor fields 1 to 28 (or 30).
    std::vector<std::string> Fields() const
    {
        std::vector<std::string> f = {code, std::to_string(cols), std::to_string(rows), "F-12",
                                      "40x20mm"};
        for (int field = 6; field <= 28; ++field) {
            int value = field * 10;
            if (field == 16)
                value = hGap;
            if (field == 18)
                value = vGap;
            if (field == 28)
                value = sizeIndex;
            f.push_back(std::to_string(value));
        }
        if (withOutline) {
            f.push_back(std::to_string(field29));
            f.push_back(std::to_string(field30));
        }
        return f;
    }

    static std::string RectLine(int base, const char* end)
    {
        return std::to_string(base) + "\t" + std::to_string(base + 1) + "\t" + std::to_string(base + 2) + "\t" +
               std::to_string(base + 3) + end;
    }

    std::string Bytes() const { return Bytes(Fields()); }

    std::string Bytes(const std::vector<std::string>& fields) const
    {
        std::string s(1, static_cast<char>(kind));
        s += lineEnd;
        for (std::size_t i = 0; i < fields.size(); ++i)
            s += fields[i] + (i + 1 < fields.size() ? "\t" : "");
        s += lineEnd;
        const int n = rows > 0 && cols > 0 ? rows * cols : 0;
        for (int block = 0; block < 4; ++block) {
            if (block > 0)
                s += std::string("separator") + lineEnd;
            for (int i = 0; i < n; ++i)
                s += RectLine(1000 * (block + 1) + 10 * i, lineEnd);
        }
        for (int p = 0; p < previews; ++p)
            s += std::string("preview") + lineEnd + RectLine(9000 + 10 * p, lineEnd);
        return s;
    }
};
