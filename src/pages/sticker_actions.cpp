#include "pages/sticker_actions.h"

#include "controls/piece_moves.h"
#include "design/design_snapshot.h"
#include "format/font_sizes.h"
#include "text/layout_mode.h"

namespace {

void CopyDesign(const SealPiece& from, SealPiece& to)
{
    StorePieceDesign(PieceDesignOf(from), to);
}

bool Valid(const std::vector<SealPiece>& pieces, int index)
{
    return index >= 0 && index < static_cast<int>(pieces.size());
}

}  // namespace

void CopyPieceToAll(std::vector<SealPiece>& pieces, int current)
{
    if (!Valid(pieces, current))
        return;
    const SealPiece source = pieces[static_cast<std::size_t>(current)];
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (static_cast<int>(i) != current)
            CopyDesign(source, pieces[i]);
}

void CopyPairToAll(std::vector<SealPiece>& pieces, int current)
{
    const int front = FrontRecord(current);
    const int back = BackRecord(current);
    if (!Valid(pieces, front) || !Valid(pieces, back))
        return;
    const SealPiece sources[2] = {pieces[static_cast<std::size_t>(front)], pieces[static_cast<std::size_t>(back)]};
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (static_cast<int>(i) != current)
            CopyDesign(sources[i % 2], pieces[i]);
}

void CopyZolviToAll(std::vector<SealPiece>& pieces, int current, int layoutMode)
{
    if (SameTextPairs(layoutMode))
        CopyPieceToAll(pieces, current);
    else if (TwoTextPairs(layoutMode))
        CopyPairToAll(pieces, current);
}

QStringList SizeListTexts()
{
    QStringList texts;
    for (int points : kFontSizes)
        texts << QString::number(points);
    return texts;
}

int SizeListIndex(const QStringList& entries, int sizeTenths, int defaultSize)
{
    const QString wanted = QString::number((sizeTenths == -1 ? defaultSize : sizeTenths) / 10);
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].startsWith(wanted))
            return i;
    return -1;
}
