// The floor for exporting a numbered series: the least a program must do to write the same pages,
// one frame and one line of text for each entry, content compressed, with a built-in font and
// nothing measured or fitted. bench/series_export_time.sh times velmaro against it.
//
//   raw_pdf_floor OUT.pdf WIDTH_MM HEIGHT_MM STICKERS.txt PREFIX START STEP COUNT DIGITS
//
// STICKERS.txt holds one sticker a line, "LEFT TOP RIGHT BOTTOM" in 0.01 mm from the paper's corner.
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Box {
    double left, top, right, bottom;
};

FILE* g_out = nullptr;
long g_written = 0;
std::vector<long> g_offsets;

void Put(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), g_out);
    g_written += static_cast<long>(text.size());
}

void Object(const std::string& body)
{
    g_offsets.push_back(g_written);
    Put(std::to_string(g_offsets.size()) + " 0 obj\n" + body + "\nendobj\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 10) {
        std::fprintf(stderr, "usage: raw_pdf_floor OUT.pdf WIDTH_MM HEIGHT_MM STICKERS.txt PREFIX START STEP COUNT DIGITS\n");
        return 2;
    }
    const double pt = 72.0 / 2540.0;  // 0.01 mm to points
    const double width = std::atof(argv[2]) * 100 * pt, height = std::atof(argv[3]) * 100 * pt;
    std::vector<Box> boxes;
    FILE* list = std::fopen(argv[4], "r");
    for (Box b{}; list && std::fscanf(list, "%lf %lf %lf %lf", &b.left, &b.top, &b.right, &b.bottom) == 4;)
        boxes.push_back(b);
    if (list)
        std::fclose(list);
    const long start = std::atol(argv[6]), step = std::atol(argv[7]), count = std::atol(argv[8]);
    const int digits = std::atoi(argv[9]);
    if (boxes.empty() || count < 1)
        return 2;
    const long pages = (count + static_cast<long>(boxes.size()) - 1) / static_cast<long>(boxes.size());

    g_out = std::fopen(argv[1], "wb");
    if (!g_out)
        return 1;
    Put("%PDF-1.4\n");
    Object("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (long p = 0; p < pages; ++p)
        kids += std::to_string(4 + 2 * p) + " 0 R ";
    char line[256];
    std::snprintf(line, sizeof line, "/MediaBox [0 0 %.2f %.2f]", width, height);
    Object("<< /Type /Pages /Count " + std::to_string(pages) + " /Kids [" + kids + "] " + line + " >>");
    Object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    std::string content;
    std::vector<Bytef> packed;
    z_stream zip{};
    deflateInit(&zip, Z_DEFAULT_COMPRESSION);
    for (long p = 0, entry = 0; p < pages; ++p) {
        content.clear();
        for (std::size_t i = 0; i < boxes.size() && entry < count; ++i, ++entry) {
            const Box& b = boxes[i];
            const double x = b.left * pt, y = height - b.bottom * pt, w = (b.right - b.left) * pt, h = (b.bottom - b.top) * pt;
            std::snprintf(line, sizeof line, "%.2f %.2f %.2f %.2f re S BT /F1 12 Tf %.2f %.2f Td (%s%0*ld) Tj ET\n",
                          x, y, w, h, x + 4, y + h / 2, argv[5], digits, start + entry * step);
            content += line;
        }
        // One compressor for every page, reset rather than set up again.
        packed.resize(deflateBound(&zip, content.size()));
        zip.next_in = reinterpret_cast<Bytef*>(content.data());
        zip.avail_in = static_cast<uInt>(content.size());
        zip.next_out = packed.data();
        zip.avail_out = static_cast<uInt>(packed.size());
        deflate(&zip, Z_FINISH);
        const uLong size = zip.total_out;
        deflateReset(&zip);
        Object("<< /Type /Page /Parent 2 0 R /Resources << /Font << /F1 3 0 R >> >> /Contents " +
               std::to_string(5 + 2 * p) + " 0 R >>");
        Object("<< /Length " + std::to_string(size) + " /Filter /FlateDecode >>\nstream\n" +
               std::string(reinterpret_cast<const char*>(packed.data()), size) + "\nendstream");
    }
    deflateEnd(&zip);
    const long xref = g_written;
    Put("xref\n0 " + std::to_string(g_offsets.size() + 1) + "\n0000000000 65535 f \n");
    for (long offset : g_offsets) {
        std::snprintf(line, sizeof line, "%010ld 00000 n \n", offset);
        Put(line);
    }
    Put("trailer\n<< /Size " + std::to_string(g_offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
        std::to_string(xref) + "\n%%EOF\n");
    return std::ferror(g_out) == 0 && std::fclose(g_out) == 0 ? 0 : 1;
}
