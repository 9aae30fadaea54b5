// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/tilestore.h"

#include "base/progress.h"
#include "pieces/builtinpictures.h"
#include "pieces/catalogue.h"
#include "pieces/tilesource.h"

#include <cstring>

namespace {

// Two pictures alike in every byte and every property a reader sets.
bool identical(const QImage &a, const QImage &b)
{
    if (a.cacheKey() == b.cacheKey())
        return true;
    return a.format() == b.format() && a.size() == b.size() && a.bytesPerLine() == b.bytesPerLine()
           && a.dotsPerMeterX() == b.dotsPerMeterX() && a.dotsPerMeterY() == b.dotsPerMeterY()
           && a.devicePixelRatio() == b.devicePixelRatio()
           && (a.sizeInBytes() == 0
               || std::memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) == 0);
}

} // namespace

TileStore::TileStore()
{
    m_pictures.insert(Catalogue::defaultCode(), BuiltinPictures::blank());
}

QImage TileStore::defaultPicture() const
{
    return picture(Catalogue::defaultCode());
}

void TileStore::loadCatalogue(const TileSource &source, Progress &progress)
{
    const QVector<CataloguePage> &pages = Catalogue::pages();
    for (int p = 0; p < pages.size(); ++p) {
        const CataloguePage &page = pages.at(p);
        const int controls = page.series ? int(page.pieces.size()) : Catalogue::gridButtonCount;
        for (int k = 0; k < controls; ++k) {
            progress.pump();
            progress.setText(Progress::text(QT_TRANSLATE_NOOP("Progress", "Loading Tiles - "), p, k));
            if (page.series)
                insert(page.pieces.at(k).code, source.load(page.pieces.at(k).code));
        }
    }
}

void TileStore::loadDefault(const TileSource &source)
{
    insert(Catalogue::defaultCode(), source.load(Catalogue::defaultCode()));
}

void TileStore::insert(const QByteArray &code, const QImage &picture)
{
    const auto held = m_pictures.find(code);
    if (held == m_pictures.end())
        m_pictures.insert(code, picture);
    else if (!identical(*held, picture))
        *held = picture;
}

void TileStore::insert(const TilePictures &pictures)
{
    for (auto it = pictures.constBegin(); it != pictures.constEnd(); ++it)
        insert(it.key(), it.value());
}
