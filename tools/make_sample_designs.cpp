// Writes the bundled sample designs into the design folder: make_sample_designs DATA_FOLDER OUT_FOLDER
// DATA_FOLDER holds "印刷情報"; each sample starts from one of its sheets as the selection page would.
#include "design/design_file.h"
#include "design/seal_format.h"
#include "format/load_formats.h"
#include "platform/cp932.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Sample {
    const char* file;
    const char* code;
    int layoutMode;
    bool frame;
    std::vector<const char*> texts;  // UTF-8, one per sticker from the first
};

bool Choose(const Sample& sample)
{
    const auto entry = FindFormat(sample.code);
    if (entry == g_sealCatalog.end())
        return false;
    CSealFormat::ResetAll();
    UseFormat(*entry);
    const bool zolvi = IsZolvi(*entry);
    if (zolvi)
        CSealFormat::s_nOldSheetType = 137 + (sample.code[3] - '0');
    CSealFormat::ResetDesign();
    CSealFormat::s_nLayoutMode = sample.layoutMode;
    auto fill = [&](auto& record) {
        record.m_bFrame = sample.frame ? 1 : 0;
        record.m_crFrame = 0xC08040;  // a soft blue
        for (std::size_t i = 0; i < sample.texts.size() && i < record.m_pieces.size(); ++i)
            record.m_pieces[i].m_strText = cp932::FromUtf8(sample.texts[i]);
    };
    if (zolvi)
        fill(CSealFormat::Zolvi());
    else
        fill(CSealFormat::Orvanel());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample_designs DATA_FOLDER OUT_FOLDER\n");
        return 2;
    }
    if (!LoadFormats(argv[1])) {
        std::fprintf(stderr, "%s\n", MissingPathMessage(g_strDataDir).c_str());
        return 2;
    }
    const std::vector<Sample> samples = {
        {"名札サンプル.zvd", "M100AA00", 187, true,
         {"山田 太郎\n1年2組", "佐藤 花子\n1年2組", "鈴木 一郎\n1年3組", "Emily Brown\n1年3組", "田中 ゆい", "高橋 けん",
          "伊藤 さくら", "渡辺 そうた"}},
        {"たて書きサンプル.zvd", "M101AA00", 188, false,
         {"山田太郎", "佐藤花子", "鈴木一郎", "「音楽」", "国語ノート", "算数ドリル", "れんらく帳", "ﾌﾟﾘﾝﾄ入れ"}},
        {"折りシールサンプル.zvd", "M011AA00", 145, true,
         {"なまえ", "山田 太郎", "なまえ", "佐藤 花子", "クラス", "1年2組", "Name", "Emily"}},
    };
    for (const Sample& sample : samples) {
        if (!Choose(sample)) {
            std::fprintf(stderr, "make_sample_designs: sheet %s not found\n", sample.code);
            return 1;
        }
        const bool zolvi = IsZolvi(*FindFormat(sample.code));
        const std::filesystem::path out = std::filesystem::path(argv[2]) / sample.file;
        if (auto error = SaveDesignFile(out, zolvi ? kKindZolvi : kKindOrvanel)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return 1;
        }
    }
    return 0;
}
