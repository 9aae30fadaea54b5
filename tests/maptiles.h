// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bmpbuilder.h"
#include "base/kwerror.h"
#include "pieces/tilesource.h"

#include <QFile>
#include <QHash>

// A tile source in memory: every known code has its own patterned picture,
// any other code fails as a missing file would, naming <folder>/<code>.bmp.
class MapTiles : public TileSource
{
public:
    explicit MapTiles(const QVector<QByteArray> &codes)
    {
        for (int i = 0; i < codes.size(); ++i)
            m_pictures.insert(codes[i], BmpBuilder::patterned(i + 1));
    }

    QImage load(const QByteArray &code) const override
    {
        ++loads;
        const auto it = m_pictures.constFind(code);
        if (it == m_pictures.constEnd())
            throw KwError::cannotOpen(QFile::decodeName("/tiles/" + code + ".bmp"));
        return *it;
    }

    QImage picture(const QByteArray &code) const { return m_pictures.value(code); }

    mutable int loads = 0;

private:
    QHash<QByteArray, QImage> m_pictures;
};
