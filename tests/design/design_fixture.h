#pragma once
// Design-file bytes put together field by field, the way the files lie on disk, so the readers
// are checked against the format itself rather than against our writer.
#include <string>
#include <vector>

struct DesignFixture {
    enum Layout { kOrvanel, kZolvi, kOldOrvanel, kOldZolvi };

    Layout layout = kOrvanel;
    char opening = '\0';  // byte 0: 0x00, or the Zolvi flag
    std::vector<int> settings = {138, 162, 145, 103, 1, 2, 3, 1, 153};
    std::string faceItem = "0\t\t";
    std::string code = "M100AA00";
    int cols = 2;
    int rows = 1;
    char frameByte = '\x02';
    std::string frameColour = "0000ff";
    std::vector<std::string> designLines = {"105\t0\t120\tff0000\t-1\t1\t3\tA\x0b" "B\n", "99\t7\t-1\tffffff\t0\t0\t0\t\n"};

    static bool IsZolvi(Layout l) { return l == kZolvi || l == kOldZolvi; }
    static bool IsCurrent(Layout l) { return l == kOrvanel || l == kZolvi; }

    static std::string Magic(Layout l)
    {
        static const char* const names[] = {"orvanelvectorzvd", "zolvi2vectorzvd", "orvanelzvd", "zolvi2zvd"};
        return names[l];
    }

    static std::string RectLine(int base)
    {
        return std::to_string(base) + "\t" + std::to_string(base + 1) + "\t" + std::to_string(base + 2) + "\t" +
               std::to_string(base + 3) + "\n";
    }

    // Fields 1 to 33 (Orvanel) or 1 to 49 (Zolvi), fewer for the older layouts.
    std::vector<std::string> HeaderFields() const
    {
        std::vector<std::string> f = {code, std::to_string(cols), std::to_string(rows), "F-12", "40x20mm",
                                      "103", std::string(1, frameByte), frameColour};
        for (int field = 9; field <= 29; ++field)
            f.push_back(std::to_string(field == 19 ? 3 : field == 21 ? 10 : field * 10));  // gaps: 3 and 10
        if (!IsZolvi(layout)) {
            f.insert(f.end(), {"-1", "120"});
            if (IsCurrent(layout))
                f.insert(f.end(), {"150", "25"});
            return f;
        }
        f.push_back("2");
        for (int p = 2; p < 6; ++p) {
            const int base = 9000 + 10 * p;  // the same previews again, top, left, bottom, right
            for (int v : {base + 1, base, base + 3, base + 2})
                f.push_back(std::to_string(v));
        }
        f.push_back("100");
        if (IsCurrent(layout))
            f.insert(f.end(), {"7", "30"});
        return f;
    }

    std::string Header() const
    {
        std::string s;
        const std::vector<std::string> f = HeaderFields();
        for (std::size_t i = 0; i < f.size(); ++i)
            s += f[i] + (i + 1 < f.size() ? "\t" : "\n");
        return s;
    }

    int PreviewLines() const { return !IsZolvi(layout) ? 3 : IsCurrent(layout) ? 6 : 5; }

    std::string Head() const
    {
        std::string s(1, opening);
        s += Magic(layout);
        s += '\0';
        for (int v : settings)
            s += std::to_string(v) + "\t";
        return s + faceItem;
    }

    std::string Bytes() const
    {
        std::string s = Head() + Header();
        const int n = rows * cols;
        for (int block = 0; block < 4; ++block) {
            for (int i = 0; i < n; ++i)
                s += RectLine(1000 * (block + 1) + 10 * i);
            s += "\n";
        }
        // Older Zolvi files: the first line stands for previews 0 and 1.
        const int firstPreview = PreviewLines() == 5 ? 1 : 0;
        for (int p = 0; p < PreviewLines(); ++p)
            s += RectLine(9000 + 10 * (p + firstPreview)) + "\n";
        for (const std::string& line : designLines)
            s += line;
        return s;
    }
};
