// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class DecodedTiles;

// Where the cells and the palette get a piece code's picture from.
class TileSource
{
public:
    virtual ~TileSource() = default;

    // The picture of a code, read anew on every call (no cache).
    // Throws KwError on failure.
    virtual QImage load(const QByteArray &code) const = 0;
    // The same read, for a caller that reads many cells in one go: a file
    // whose bytes that go already decoded gives the picture decoded then.
    // A source without files to compare simply loads.
    virtual QImage loadReusing(const QByteArray &code, DecodedTiles &decoded) const;
};

// The tiles folder: <folder>/<code>.bmp. The exact name is tried first, then
// a file of the same name in another letter case (a folder copied from a
// case-blind system). Errors name the exact-case path.
class TileFolder : public TileSource
{
public:
    explicit TileFolder(const QString &folder);

    // The "tiles" folder beside the running executable.
    static QString besideExecutable();

    const QString &folder() const { return m_folder; }
    // The tile file of a code: the folder, "/", the code's bytes as they
    // are, ".bmp". pathFor() is the same name as text.
    QByteArray nativePathFor(const QByteArray &code) const;
    QString pathFor(const QByteArray &code) const;
    // The same name as messages show it: the code as shownCode() gives it.
    QString shownPathFor(const QByteArray &code) const;

    // A code as a message shows it. An ordinary code is shown as it is. One
    // that holds control characters or bytes that are no UTF-8 text, as the
    // first "code" of a binary file does, shows its printable characters as
    // they are and every other byte as \xNN; one longer than shownLength
    // characters (an escaped byte counts as one) keeps its start and its end
    // with "…" between them.
    static QString shownCode(const QByteArray &code);
    static constexpr int shownLength = 40;
    QImage load(const QByteArray &code) const override;
    QImage loadReusing(const QByteArray &code, DecodedTiles &decoded) const override;

private:
    // The bytes of the code's tile file, found as load() finds it.
    QByteArray readBytes(const QByteArray &code) const;

    QString m_folder;
};
