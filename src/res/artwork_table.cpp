#include "res/artwork.h"

#include "res/resource_ids.h"

#include <iterator>

namespace {

// Sizes are the pixels of the controls that show the pictures (1.5 pixels a dialog unit), so
// the pictures appear without scaling; canvases are paper at 150 dots per inch.
constexpr ArtworkEntry kArtwork[] = {
    {kIconMain, 64, 64, ArtKind::Icon, "", 0xE8822A},
    {kBmpListImages, 144, 24, ArtKind::ListImages, "", 0x2F7FC8},
    {kBmpSupportButton, 90, 33, ArtKind::DarkButton, "サポート", 0xF2C230},
    {kBmpNewButton, 189, 45, ArtKind::Button, "新しく作る", 0x3FA34D},
    {kBmpOpenButton, 189, 45, ArtKind::Button, "保存データを開く", 0x2F7FC8},
    {kBmpExitButton, 134, 45, ArtKind::Button, "終了する", 0xC8553D},
    {kBmpHeader, 675, 54, ArtKind::Header, "ラベルシール作成ソフト", 0x2E8B9A},
    {kBmpFooterSelection, 675, 42, ArtKind::Footer,
     "商品に印刷されている「ソフトお探しコード」を一覧からお選び下さい!", 0xE8822A},
    {kBmpBackButton, 90, 42, ArtKind::Button, "◀ 戻る", 0x5B7FA6},
    {kBmpNextButton, 90, 42, ArtKind::Button, "次へ ▶", 0xE8822A},
    {kBmpWizardExitButton, 90, 42, ArtKind::Button, "終了", 0xC8553D},
    {kBmpFooterLayout, 675, 42, ArtKind::Footer, "文字並びを上記例よりお選び下さい!", 0xE8822A},
    {kBmpFooterFont, 675, 42, ArtKind::Footer, "文字の種類と色を上記例よりお選び下さい!", 0xE8822A},
    {kBmpFooterText, 675, 42, ArtKind::Footer,
     "プリントする文字を入力して下さい! シールごとに個別の設定ができます!", 0xE8822A},
    {kBmpFooterPrint, 675, 42, ArtKind::Footer, "プリントできます! データを保存できます!", 0xE8822A},
    {kBmpPrintButton, 146, 44, ArtKind::Button, "プリントする", 0x3FA34D},
    {kBmpSaveButton, 146, 44, ArtKind::Button, "データを保存する", 0x2F7FC8},
    {kBmpStepFirst, 339, 69, ArtKind::Step, "1", 0xE8822A},
    {kBmpStepFirst + 1, 339, 69, ArtKind::Step, "2", 0xE8822A},
    {kBmpStepFirst + 2, 339, 69, ArtKind::Step, "3", 0xE8822A},
    {kBmpStepFirst + 3, 339, 69, ArtKind::Step, "4", 0xE8822A},
    {kBmpStepFirst + 4, 339, 69, ArtKind::Step, "5", 0xE8822A},
    {kBmpPickArrow, 32, 39, ArtKind::Arrow, "", 0x9A9A9A},
    {kBmpCheckCaption, 227, 18, ArtKind::Caption, "お手元のシートと同じかご確認下さい!", 0x6B3A10},
    {kBmpNextDisabled, 90, 42, ArtKind::Button, "次へ ▶", 0xB4B4B4},
    {kBmpCanvasPaper, 592, 875, ArtKind::Canvas, "", 0xFFFFFF},
    {kBmpCanvasPaperSmall, 527, 751, ArtKind::Canvas, "", 0xFFFFFF},
    {kBmpCanvasSticker, 295, 248, ArtKind::Canvas, "", 0xFFFFFF},
    {kBmpCanvasStickerLarge, 444, 330, ArtKind::Canvas, "", 0xFFFFFF},
    {kBmpPrintDisabled, 146, 44, ArtKind::Button, "プリントする", 0xB4B4B4},
    {kBmpSaveDisabled, 146, 44, ArtKind::Button, "データを保存する", 0xB4B4B4},
    // Captions of the design pages.
    {255, 125, 38, ArtKind::Caption, "現在選択されている仕上がり例です!", 0x6B3A10},
    {256, 128, 69, ArtKind::Caption,
     "このボタンを押すと別枠でカラーサンプルが開きますのでお好きな色をお選び下さい!", 0x6B3A10},
    {257, 113, 27, ArtKind::Caption, "■枠を入れる場合", 0x6B3A10},
    {259, 33, 36, ArtKind::DownArrow, "", 0x9A9A9A},
    {277, 83, 68, ArtKind::Caption,
     "枠の印刷はシールからはみ出して印刷される場合がありますのでご注意ください", 0xD01818},
    {278, 86, 71, ArtKind::Caption,
     "枠の印刷はシールからはみ出して印刷される場合がありますのでご注意ください", 0xD01818},
    {280, 198, 32, ArtKind::Button, "文字を全てに複写", 0x2F7FC8},
    {281, 198, 32, ArtKind::Button, "全シールの文字を削除", 0xC8553D},
    {282, 198, 32, ArtKind::Button, "選択シールの文字を削除", 0xC8553D},
};

}  // namespace

const ArtworkEntry* FindArtwork(int id)
{
    for (const ArtworkEntry& art : kArtwork)
        if (art.id == id)
            return &art;
    return nullptr;
}
