#include "design/file_messages.h"

#include <cerrno>
#include <cstring>

namespace {

std::string WithPath(const std::string& pattern, const std::string& path)
{
    std::string text = pattern;
    text.replace(text.find("%1"), 2, path);
    return text;
}

// The usual causes in the user's language; the system's own wording only for the rare rest.
std::string Reason(int error)
{
    switch (error) {
    case ENOSPC: return "ディスクの空き容量が足りません";
    case EDQUOT: return "ディスクの使用量が上限に達しています";
    case EFBIG: return "ファイルが大きすぎます";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case ENOENT: return "フォルダーが見つかりません";
    case ENOTDIR: return "フォルダーが見つかりません";
    case EISDIR: return "フォルダーです";
    case EIO: return "ディスクの読み書きに失敗しました";
    default: return std::strerror(error);
    }
}

std::string WithReason(const std::string& pattern, const std::string& path, int error)
{
    return WithPath(pattern, path) + "(" + Reason(error) + ")";
}

bool MeansInUse(int error)
{
    return error == EACCES || error == EPERM || error == EBUSY || error == ETXTBSY;
}

}  // namespace

std::string NotDesignFileMessage() { return "Velmaroの保存ファイルではありません。"; }

std::string MissingFileMessage(const std::string& path) { return WithPath("%1 が見つかりませんでした。", path); }

std::string DamagedFileMessage(const std::string& path)
{
    return WithPath("%1 は壊れているため、読み込めません。", path);
}

std::string UnreadSheetsMessage(const std::string& path)
{
    return WithPath("%1 の2枚目以降のシートを読み込めませんでした。1枚目だけを開きます。", path);
}

std::string LabelFromFileMessage(const std::string& part)
{
    return WithPath("ラベル用紙「%1」がラベルの一覧にないため、デザインに保存された寸法で開きました。", part);
}

std::string MissingSheetMessage(const std::string& findCode)
{
    return WithPath("このデザインのシート「%1」は、このパソコンにありません。デザインに保存された寸法で"
                    "プリントできますが、シートの位置の絵は表示されません。更新でシートが届くと表示されます。",
                    findCode);
}

std::string ReadErrorMessage(const std::string& path, int error)
{
    if (error == ENOENT)
        return MissingFileMessage(path);
    if (MeansInUse(error))
        return WithPath("%1 は使用中のため、読み取れません。", path);
    return WithReason("%1 を読み取れません。", path, error);
}

std::string WriteErrorMessage(const std::string& path, int error)
{
    if (MeansInUse(error) || error == EROFS)
        return WithPath("%1 は使用中または読み取り専用のため、書き込めません。", path);
    return WithReason("%1 に書き込めません。", path, error);
}

std::string RecoveryUnwritableMessage(const std::string& failure)
{
    return "作業を復元するためのコピーを保存できません。このままでは、プログラムが異常終了したときに"
           "保存していない作業は失われます。\n" +
           failure;
}

std::string TextTooLongMessage(const std::string& path)
{
    return WithPath("%1 に保存できません。文字の多すぎるシールがあります。", path);
}

std::string TooManySheetsMessage(const std::string& path)
{
    return WithPath("%1 に保存できません。シートが多すぎます。", path);
}

std::string FaceNameTooLongMessage(const std::string& path)
{
    return WithPath("%1 に保存できません。その他の書体の名前が長すぎます。", path);
}

std::string IncompleteSheetMessage(const std::string& path)
{
    return WithPath("%1 に保存できません。用紙の情報が不完全です。", path);
}
