#include "ui/piecetext.h"

QString PieceText::describe(const QByteArray &code)
{
    // The code alone for now: the piece's name is added here from the piece
    // table, so that every place that shows a piece shows it alike.
    return QString::fromLatin1(code);
}
