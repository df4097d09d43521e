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
    {kBmpFooterOverflow, 675, 42, ArtKind::Footer, "はみ出した文字があります! 文字を減らすとプリント・保存できます!",
     0xC0392B},
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
    {kBmpUndoButton, 21, 19, ArtKind::TurnButton, "back", 0x5B7FA6},
    {kBmpRedoButton, 21, 19, ArtKind::TurnButton, "on", 0x5B7FA6},
    {kBmpUndoDisabled, 21, 19, ArtKind::TurnButton, "back", 0xB4B4B4},
    {kBmpRedoDisabled, 21, 19, ArtKind::TurnButton, "on", 0xB4B4B4},
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
    // The layout choices: Orvanel pictures fill a 64 x 106 button, Zolvi pictures a 54 x 79 one.
    {182, 90, 153, ArtKind::Arrangement, "182", 0xE8822A},
    {186, 90, 153, ArtKind::Arrangement, "186", 0xE8822A},
    {187, 90, 153, ArtKind::Arrangement, "187", 0xE8822A},
    {188, 90, 153, ArtKind::Arrangement, "188", 0xE8822A},
    {211, 90, 153, ArtKind::ArrangementChosen, "187", 0xE8822A},
    {212, 90, 153, ArtKind::ArrangementChosen, "188", 0xE8822A},
    {213, 90, 153, ArtKind::ArrangementChosen, "182", 0xE8822A},
    {214, 90, 153, ArtKind::ArrangementChosen, "186", 0xE8822A},
    {144, 75, 113, ArtKind::Arrangement, "144", 0xE8822A},
    {145, 75, 113, ArtKind::Arrangement, "145", 0xE8822A},
    {146, 75, 113, ArtKind::Arrangement, "146", 0xE8822A},
    {147, 75, 113, ArtKind::Arrangement, "147", 0xE8822A},
    {148, 75, 113, ArtKind::Arrangement, "148", 0xE8822A},
    {149, 75, 113, ArtKind::Arrangement, "149", 0xE8822A},
    {174, 75, 113, ArtKind::ArrangementChosen, "145", 0xE8822A},
    {175, 75, 113, ArtKind::ArrangementChosen, "144", 0xE8822A},
    {176, 75, 113, ArtKind::ArrangementChosen, "147", 0xE8822A},
    {177, 75, 113, ArtKind::ArrangementChosen, "146", 0xE8822A},
    {178, 75, 113, ArtKind::ArrangementChosen, "148", 0xE8822A},
    {179, 75, 113, ArtKind::ArrangementChosen, "149", 0xE8822A},
    {kBmpTabTop, 126, 93, ArtKind::TabPlace, "top", 0xE8822A},
    {kBmpTabSide, 126, 93, ArtKind::TabPlace, "side", 0xE8822A},
    {kBmpTabBottom, 126, 93, ArtKind::TabPlace, "bottom", 0xE8822A},
    // Captions of the font page.
    {kBmpFaceTitle, 225, 42, ArtKind::Caption, "文字の種類をお選び下さい!", 0x6B3A10},
    {kBmpColourTitle, 174, 42, ArtKind::Caption, "文字の色をお選び下さい!", 0x6B3A10},
    {kBmpFaceNames, 117, 347, ArtKind::CaptionColumn,
     "ゴシック体\n明朝体\nTimes New Roman\nArial\nCourier\nImpact\nその他の書体", 0x6B3A10},
    // Captions of the text entry and print pages.
    {236, 360, 39, ArtKind::Caption, "★シール1枚ごとに文字色・文字のサイズ・枠の色・位置が\n設定できます!", 0xC8553D},
    {237, 84, 21, ArtKind::Caption, "シール番号", 0x6B3A10},
    {238, 120, 21, ArtKind::CaptionColumn, "への文字入力", 0x6B3A10},
    {239, 87, 18, ArtKind::CaptionColumn, "■文字のサイズ", 0x6B3A10},
    {240, 84, 15, ArtKind::CaptionColumn, "■文字の色", 0x6B3A10},
    {241, 150, 15, ArtKind::CaptionColumn, "■文字の左右方向の位置", 0x6B3A10},
    {242, 81, 30, ArtKind::CaptionColumn, "■文字の上下\n　方向の位置", 0x6B3A10},
    {244, 69, 15, ArtKind::CaptionColumn, "■枠を入れる", 0x6B3A10},
    {245, 114, 45, ArtKind::Caption, "このボタンを押すと\n別枠でカラーサンプルが\n開きます!", 0x2F7FC8},
    {246, 114, 18, ArtKind::Caption, "入力中のシール位置", 0x6B3A10},
    {247, 99, 90, ArtKind::Caption,
     "シール番号は\nTabキーで進み、\nShift+Tabキーで\n戻ります。\n直接移動する時は\nマウスでクリック\nして下さい。", 0x2F7FC8},
    {250, 195, 60, ArtKind::CaptionPointer, "シールのプリントイメージです!", 0xE8822A},
    {251, 198, 144, ArtKind::Caption,
     "※テストプリント用紙での\nプリント結果を参考にして\n文字を上下左右に\nずらして下さい。\n"
     "※三角ボタンを押すことで\n0.1mm単位で\nずらすことができます。",
     0x6B3A10},
    {252, 177, 135, ArtKind::CaptionCup, "お疲れさまでした", 0xE8822A},
    {269, 165, 21, ArtKind::CaptionColumn, "シールごとの設定", 0xC8553D},
    {270, 354, 18, ArtKind::CaptionColumn, "★シール1枚ごとに文字色・文字のサイズ・枠の色・位置が", 0xC8553D},
    {271, 120, 18, ArtKind::CaptionColumn, "設定できます!", 0xC8553D},
    {276, 120, 15, ArtKind::CaptionColumn, "■文字列操作", 0x6B3A10},
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
